// Writing the results folder on two threads: whole or not at all, whichever
// thread meets the failure.
#include "crosscheck/write_results.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>

#include "crosscheck/crosscheck.h"
#include "crosscheck/output_folder.h"
#include "tests/crosscheck/synthetic_contest.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

class WriteResultsTest : public testing_support::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    synthetic::Contest contest = synthetic::randomContest(40, 2000, 7);
    fs::create_directory("logs");
    crosscheck::Request request;
    request.files = contest.write("logs");
    results_ = crosscheck::crosscheckContest(request);
  }

  // Everything left in the working folder but the logs.
  static std::vector<std::string> leftBesideLogs() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(".")) {
      if (entry.path().filename() != "logs") names.push_back(entry.path().filename().string());
    }
    return names;
  }

  crosscheck::Results results_;
};

TEST_F(WriteResultsTest, EveryEntrantGetsItsReportAndItsAdditionOnce) {
  std::vector<std::atomic<int>> written(results_.entrants.size());
  crosscheck::FolderAdditions also;
  also.perEntrant = [&](const std::string&, std::size_t e, const crosscheck::EntrantReport&) {
    ++written[e];
  };
  crosscheck::writeResults(results_, "out", also);
  for (std::size_t e = 0; e < results_.entrants.size(); ++e) {
    EXPECT_EQ(written[e], 1) << results_.entrants[e].call;
    EXPECT_TRUE(fs::exists("out/reports/" + crosscheck::reportFileName(results_.entrants[e])));
  }
}

// The failing entrant comes early (the second thread meets it while the
// first writes the JSON document) or last (met by whichever is there).
TEST_F(WriteResultsTest, AFailingEntrantFileLeavesNoFolderOnEitherThread) {
  for (const std::size_t failing : {std::size_t{0}, results_.entrants.size() - 1}) {
    crosscheck::FolderAdditions also;
    also.perEntrant = [&](const std::string& dir, std::size_t e, const crosscheck::EntrantReport&) {
      if (e == failing) throw crosscheck::OutputError(dir + "/broken.html: cannot write");
    };
    EXPECT_THROW(crosscheck::writeResults(results_, "out", also), crosscheck::OutputError);
    EXPECT_EQ(leftBesideLogs(), std::vector<std::string>{}) << "entrant " << failing;
  }
}

}  // namespace
