// Writing the results folder on two threads: every entrant's report and
// page, and whole or not at all, whichever thread meets the failure.
#include "publish/results_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "crosscheck/crosscheck.h"
#include "errors/tool_error.h"
#include "pages/contest_pages.h"
#include "tests/crosscheck/synthetic_contest.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

using testing_support::FaultyFileSystem;

// Every file below `dir` with its bytes, by path; none when it is not there.
std::map<std::string, std::string> folderContents(const std::string& dir) {
  std::map<std::string, std::string> contents;
  std::error_code absent;
  for (const auto& entry : fs::recursive_directory_iterator(dir, absent)) {
    if (!entry.is_regular_file()) continue;
    contents[fs::relative(entry.path(), dir).string()] = testing_support::readFile(entry.path());
  }
  return contents;
}

class ResultsFolderTest : public testing_support::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    check(40, 2000);
  }

  void check(int stations, int lines) {
    synthetic::Contest contest = synthetic::randomContest(stations, lines, 7);
    fs::remove_all("logs");
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
    EXPECT_THROW(publish::writeResultsFolder(results_, "out"), errors::ToolError);
    stem = kept;
    EXPECT_EQ(namesIn("."), std::vector<std::string>{"logs"}) << "entrant " << failing;
  }
}

// Each call of writing a new folder failing in turn, once or from then on
// (the clean-up failing too): the previous folder stays whole, byte for byte,
// and a failure once leaves nothing beside it; after a crash it may be gone.
// Only the removal of the old folder, set aside once the new one stands,
// fails without an error.
TEST_F(ResultsFolderTest, EachFailingCallLeavesThePreviousFolderWholeOrAbsent) {
  check(4, 100);
  FaultyFileSystem faulty;
  publish::writeResultsFolder(results_, "out", faulty);
  const std::map<std::string, std::string> previous = folderContents("out");
  faulty.failAt(0, FaultyFileSystem::Mode::kOnce);
  publish::writeResultsFolder(results_, "out", faulty);
  const int steps = faulty.calls();
  // The new folder differs from the previous one by a score.
  const std::int64_t previousScore = results_.entrants[0].checkedScore;
  for (const auto mode : {FaultyFileSystem::Mode::kOnce, FaultyFileSystem::Mode::kFromThenOn}) {
    for (int n = 1; n <= steps; ++n) {
      faulty.failAt(n, mode);
      results_.entrants[0].checkedScore = previousScore + 1;
      bool threw = false;
      try {
        publish::writeResultsFolder(results_, "out", faulty);
      } catch (const errors::ToolError&) {
        threw = true;
      }
      const std::string failed = faulty.failed().at(0).path;
      const bool setAside = failed.find("/.out.old-") != std::string::npos;
      EXPECT_EQ(threw, !setAside) << "call " << n;
      const bool gone = mode == FaultyFileSystem::Mode::kFromThenOn && !fs::exists("out");
      if (threw && !gone) {
        EXPECT_EQ(folderContents("out"), previous) << "call " << n;
      }
      if (threw && mode == FaultyFileSystem::Mode::kOnce) {
        EXPECT_EQ(namesIn("."), (std::vector<std::string>{"logs", "out"})) << "call " << n;
      }
      faulty.failAt(0, mode);
      for (const std::string& name : namesIn(".")) {
        if (name != "logs") fs::remove_all(name);
      }
      results_.entrants[0].checkedScore = previousScore;
      publish::writeResultsFolder(results_, "out", faulty);
    }
  }
}

// The web server reads the folder as another user: it gets a folder's usual
// mode, as the umask gives it, not a private one.
TEST_F(ResultsFolderTest, FolderIsMadeAsTheUmaskAllows) {
  for (const mode_t mask : {mode_t{022}, mode_t{027}}) {
    const mode_t previous = ::umask(mask);
    publish::writeResultsFolder(results_, "out");
    ::umask(previous);
    EXPECT_EQ(static_cast<mode_t>(fs::status("out").permissions()), 0777 & ~mask) << mask;
  }
}

}  // namespace
