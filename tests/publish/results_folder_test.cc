// Writing the results folder on two threads: every entrant's report and
// page, and whole or not at all, whichever thread meets the failure.
#include "publish/results_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "crosscheck/crosscheck.h"
#include "crosscheck/output_folder.h"
#include "pages/contest_pages.h"
#include "tests/crosscheck/synthetic_contest.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

class ResultsFolderTest : public testing_support::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    synthetic::Contest contest = synthetic::randomContest(40, 2000, 7);
    fs::create_directory("logs");
    crosscheck::Request request;
    request.files = contest.write("logs");
    results_ = crosscheck::crosscheckContest(request);
  }

  // The names in `folder`, sorted.
  static std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  crosscheck::Results results_;
};

TEST_F(ResultsFolderTest, EveryEntrantGetsItsReportAndItsPage) {
  publish::writeResultsFolder(results_, "out");
  std::vector<std::string> reports;
  std::vector<std::string> pages;
  for (const crosscheck::Entrant& entrant : results_.entrants) {
    reports.push_back(publish::reportFileName(entrant));
    pages.push_back(fs::path(pages::entrantPagePath(entrant)).filename().string());
  }
  std::sort(reports.begin(), reports.end());
  std::sort(pages.begin(), pages.end());
  EXPECT_EQ(namesIn("out"), (std::vector<std::string>{"entrants", "index.html", "reports",
                                                      "results.csv", "results.json"}));
  EXPECT_EQ(namesIn("out/reports"), reports);
  EXPECT_EQ(namesIn("out/entrants"), pages);
}

// The failing entrant comes early (the second thread meets it while the
// first writes the JSON document) or last (met by whichever is there): a
// name longer than a file name may be cannot be written.
TEST_F(ResultsFolderTest, AFailingEntrantFileLeavesNoFolderOnEitherThread) {
  for (const std::size_t failing : {std::size_t{0}, results_.entrants.size() - 1}) {
    std::string& stem = results_.entrants[failing].fileStem;
    const std::string kept = stem;
    stem = std::string(300, 'Q');
    EXPECT_THROW(publish::writeResultsFolder(results_, "out"), crosscheck::OutputError);
    stem = kept;
    EXPECT_EQ(namesIn("."), std::vector<std::string>{"logs"}) << "entrant " << failing;
  }
}

}  // namespace
