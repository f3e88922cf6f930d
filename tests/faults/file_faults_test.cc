// Files that cannot be written: the evaluation in memory and its answers stay
// right, nothing crashes, and no file is left half-written.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "plugin/state.h"
#include "tests/faults/contest_fixture.h"

namespace {

namespace fs = std::filesystem;
using testing_support::kTwoQsoSummary;
using testing_support::readFile;
using testing_support::writeFile;

constexpr char kUbnFile[] = "StatsZVK_13_06_2016.txt";
constexpr char kUbnHeader[] = "ZVK-CW-CONTEST  UBN file \r\n";

class FileFaultsTest : public testing_support::ContestFixture {
 protected:
  // A Cabrillo evaluation of two contest QSOs and one on 160m.
  void evaluate() {
    reset(1);
    EXPECT_EQ(add("Q2QQ", "20m", "NM"), 1);
    EXPECT_EQ(add("Q3QQ", "20m", "1234"), 1);
    EXPECT_EQ(add("Q4QQ", "160m", "NM"), 0);
    EXPECT_EQ(result(), kTwoQsoSummary);
    EXPECT_EQ(g_claimedScore, 6);
    EXPECT_EQ(out, -1);
  }
};

TEST_F(FileFaultsTest, WorkingDirectoryThatCannotBeWrittenLosesNothingInMemory) {
  // A removed working directory refuses every new file, for root as well.
  fs::remove(dir());
  evaluate();
  EXPECT_EQ(lastMessage(), "File not written: Q1QQQ.cbr");
  EXPECT_EQ(g_station.callsign, "Q1QQQ");
}

TEST_F(FileFaultsTest, MissingPluginsFolderIsNotCreatedAndTheRestIsWritten) {
  evaluate();
  EXPECT_FALSE(fs::exists("Plugins"));
  EXPECT_EQ(lastMessage(), "File produced: Q1QQQ.cbr");
  EXPECT_EQ(readFile("Q1QQQ.cbr"),
            "START-OF-LOG: 3.0\r\nCONTEST: ZVK CW Contest\r\nCALLSIGN: Q1QQQ\r\n"
            "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-BAND: ALL\r\nCATEGORY-POWER: HIGH\r\n"
            "CLAIMED-SCORE: 6\r\nCLUB: \r\nCREATED-BY: Vylo \r\nNAME: \r\nADDRESS: \r\n"
            "ADDRESS-CITY: \r\nADDRESS-POSTALCODE: \r\nADDRESS-COUNTRY: \r\nEMAIL: \r\n"
            "OPERATORS: Q1QQQ\r\nSOAPBOX: \r\n"
            "QSO: 14025 CW 2016-11-27 1405 Q1QQQ         599 NM     Q2QQ          599 NM\r\n"
            "QSO: 14025 CW 2016-11-27 1405 Q1QQQ         599 NM     Q3QQ          599 1234\r\n"
            "END-OF-LOG:\r\n");
  EXPECT_EQ(readFile(kUbnFile),
            std::string(kUbnHeader) +
                "QSO:  14025  CW  2016-11-27 1405  Q1QQQ  599  NM  Q4QQ  599  NM   NO CONTEST "
                "BAND !!!\r\n");
}

TEST_F(FileFaultsTest, FullDiskFailsEveryFileWithoutReplacingIt) {
  fs::create_directory("Plugins");
  for (const char* path : {kUbnFile, "Q1QQQ.cbr", "Plugins/ZVK-CW.ini"}) {
    fs::create_symlink("/dev/full", path);
  }
  evaluate();
  EXPECT_EQ(lastMessage(), "File not written: Q1QQQ.cbr");
  for (const char* path : {kUbnFile, "Q1QQQ.cbr", "Plugins/ZVK-CW.ini"}) {
    EXPECT_TRUE(fs::is_symlink(path)) << path;
  }
}

TEST_F(FileFaultsTest, ReadOnlyFilesAreKeptEvenForRoot) {
  writeFile("Q1QQQ.cbr", "earlier log\r\n");
  writeFile(kUbnFile, "earlier statistics\r\n");
  ::chmod("Q1QQQ.cbr", 0444);
  ::chmod(kUbnFile, 0444);
  evaluate();
  EXPECT_EQ(lastMessage(), "File not written: Q1QQQ.cbr");
  EXPECT_EQ(readFile("Q1QQQ.cbr"), "earlier log\r\n");
  EXPECT_EQ(readFile(kUbnFile), "earlier statistics\r\n");
}

TEST_F(FileFaultsTest, SettingsWriteThatFailsKeepsEveryKeyItHeld) {
  fs::create_directory("Plugins");
  const std::string settings =
      "[Settings]\r\nName=Jan\r\nSoapBox=" + std::string(200, 's') + "\r\n";
  writeFile("Plugins/ZVK-CW.ini", settings);
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved;
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 100;  // the disk fills up after 100 bytes of any file
  ::setrlimit(RLIMIT_FSIZE, &small);
  evaluate();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_EQ(readFile("Plugins/ZVK-CW.ini"), settings);
  EXPECT_EQ(std::distance(fs::directory_iterator("Plugins"), fs::directory_iterator()), 1);
  EXPECT_EQ(g_station.name, "Jan");
  EXPECT_EQ(lastMessage(), "File not written: Q1QQQ.cbr");
}

}  // namespace
