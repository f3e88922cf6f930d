// Writing the results folder on two threads: whole or not at all, whichever
// thread meets the failure.
#include "crosscheck/write_results.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <map>

#include "crosscheck/crosscheck.h"
#include "errors/tool_error.h"
#include "files/whole_file.h"
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

class WriteResultsTest : public testing_support::TempDirTest {
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
      if (e == failing) {
        throw errors::ToolError(errors::ErrorKind::kIo, {dir + "/broken.html", 0, "cannot write"},
                                "injected");
      }
    };
    EXPECT_THROW(crosscheck::writeResults(results_, "out", also), errors::ToolError);
    EXPECT_EQ(leftBesideLogs(), std::vector<std::string>{}) << "entrant " << failing;
  }
}

// Each call of writing a new folder failing in turn, once or from then on
// (the clean-up failing too): the previous folder stays whole, byte for byte,
// and a failure once leaves nothing beside it; after a crash it may be gone.
// Only the removal of the old folder, set aside once the new one stands,
// fails without an error.
TEST_F(WriteResultsTest, EachFailingCallLeavesThePreviousFolderWholeOrAbsent) {
  check(4, 100);
  FaultyFileSystem faulty;
  std::string page = "previous";
  crosscheck::FolderAdditions also;
  also.perEntrant = [&](const std::string& dir, std::size_t e, const crosscheck::EntrantReport&) {
    files::writeFile(faulty, dir + "/" + results_.entrants[e].fileStem + ".html", page);
  };
  crosscheck::writeResults(results_, "out", also, faulty);
  const std::map<std::string, std::string> previous = folderContents("out");
  faulty.failAt(0, FaultyFileSystem::Mode::kOnce);
  crosscheck::writeResults(results_, "out", also, faulty);
  const int steps = faulty.calls();
  page = "new";
  for (const auto mode : {FaultyFileSystem::Mode::kOnce, FaultyFileSystem::Mode::kFromThenOn}) {
    for (int n = 1; n <= steps; ++n) {
      faulty.failAt(n, mode);
      bool threw = false;
      try {
        crosscheck::writeResults(results_, "out", also, faulty);
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
        EXPECT_EQ(leftBesideLogs(), std::vector<std::string>{"out"}) << "call " << n;
      }
      faulty.failAt(0, mode);
      for (const std::string& name : leftBesideLogs()) fs::remove_all(name);
      page = "previous";
      crosscheck::writeResults(results_, "out", also, faulty);
      page = "new";
    }
  }
}

}  // namespace
