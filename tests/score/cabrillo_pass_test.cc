#include "score/cabrillo_pass.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_env.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::FakeEnv;
using testing_support::readFile;

const COleDateTime kFeb14At0930(42414.0 + 9.5 / 24.0, COleDateTime::valid);
const char* const kContestModes[] = {"CW"};

CInfo qso(const char* call, int frequencyKHz, const char* mode, const char* exchRcvd) {
  CInfo record;
  record.call = call;
  record.frequencyKHz = frequencyKHz;
  record.mode = mode;
  record.time = kFeb14At0930;
  record.rstSent = "599";
  record.exchSent = "001";
  record.rstRcvd = "599";
  record.exchRcvd = exchRcvd;
  return record;
}

// The file of station Q1QQQ with empty header data and these QSO lines.
std::string cabrilloFile(const std::string& qsoLines) {
  return "START-OF-LOG: 3.0\r\nCONTEST: ZVK CW Contest\r\nCALLSIGN: Q1QQQ\r\n"
         "CATEGORY-OPERATOR: \r\nCATEGORY-BAND: \r\nCATEGORY-POWER: \r\n"
         "CLAIMED-SCORE: 11\r\nCLUB: \r\nCREATED-BY: Vylo \r\nNAME: \r\nADDRESS: \r\n"
         "ADDRESS-CITY: \r\nADDRESS-POSTALCODE: \r\nADDRESS-COUNTRY: \r\nEMAIL: \r\n"
         "OPERATORS: \r\nSOAPBOX: \r\n" +
         qsoLines + "END-OF-LOG:\r\n";
}

class CabrilloPassTest : public testing_support::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    station_.callsign = "Q1QQQ";
    station_.fileStem = "Q1QQQ";
  }

  void addQso(const char* call, int frequencyKHz, const char* mode, const char* exchRcvd) {
    CInfo record = qso(call, frequencyKHz, mode, exchRcvd);
    log_.Add(record);
  }

  void run(int* out) { runCabrilloPass(log_, modes_, 11, station_, out, env_); }

  CQsoLog log_;
  CContestRules modes_{kContestModes, 1};
  CStationData station_;
  FakeEnv env_;
};

TEST_F(CabrilloPassTest, WritesEveryQsoInLogOrderAndShowsTheMessage) {
  addQso("Q2QQ", 3550, "CW", "017");
  addQso("", 7010, "CW", "NM");
  addQso("Q2QQ", 3550, "CW", "017");
  int out = 7;
  run(&out);
  EXPECT_EQ(
      readFile("Q1QQQ.cbr"),
      cabrilloFile(
          "QSO:  3550 CW 2016-02-14 0930 Q1QQQ         599 001    Q2QQ          599 017\r\n"
          "QSO:  7010 CW 2016-02-14 0930 Q1QQQ         599 001                  599 NM\r\n"
          "QSO:  3550 CW 2016-02-14 0930 Q1QQQ         599 001    Q2QQ          599 017\r\n"));
  ASSERT_EQ(env_.messages.size(), 1u);
  EXPECT_EQ(env_.messages[0].text, "File produced: Q1QQQ.cbr");
  EXPECT_EQ(env_.messages[0].caption, "Output");
  EXPECT_EQ(env_.messages[0].style, 0x40u);
  EXPECT_EQ(env_.messages[0].owner, platform::MessageOwner::kActiveWindow);
  EXPECT_EQ(out, -1);
}

TEST_F(CabrilloPassTest, EmptyLogStillWritesTheFileAndShowsTheMessage) {
  int out = 0;
  run(&out);
  EXPECT_EQ(readFile("Q1QQQ.cbr"), cabrilloFile(""));
  EXPECT_EQ(env_.messages.size(), 1u);
  EXPECT_EQ(out, -1);
}

TEST_F(CabrilloPassTest, NullOutParameterIsSkipped) {
  addQso("Q2QQ", 3550, "CW", "017");
  run(nullptr);
  EXPECT_EQ(env_.messages.size(), 1u);
}

// Lines of earlier passes (or of a reset whose dialog was cancelled) used to
// reach the next file again.
TEST_F(CabrilloPassTest, EachFileListsEveryQsoOnceHoweverOftenThePassRuns) {
  station_.cabrilloLines.Add("QSO: from an earlier contest\r\n");
  addQso("Q2QQ", 3550, "CW", "017");
  run(nullptr);
  run(nullptr);
  EXPECT_EQ(
      readFile("Q1QQQ.cbr"),
      cabrilloFile(
          "QSO:  3550 CW 2016-02-14 0930 Q1QQQ         599 001    Q2QQ          599 017\r\n"));
  EXPECT_EQ(station_.cabrilloLines.GetSize(), 1);
}

// The log accepts CW in any letter case; such QSOs used to be written as "??".
TEST_F(CabrilloPassTest, ModeColumnIsCwForEveryModeTheContestAccepts) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"CW", "CW"}, {"cw", "CW"}, {"Cw", "CW"}, {"SSB", "??"}, {"", "??"}, {"CW ", "??"},
  };
  for (const auto& c : cases) addQso("Q2QQ", 3550, c.first, "017");
  run(nullptr);
  ASSERT_EQ(station_.cabrilloLines.GetSize(), static_cast<int>(cases.size()));
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(station_.cabrilloLines[static_cast<int>(i)].str(),
              std::string("QSO:  3550 ") + cases[i].second +
                  " 2016-02-14 0930 Q1QQQ         599 001    Q2QQ          599 017\r\n")
        << "mode \"" << cases[i].first << "\"";
  }
}

TEST_F(CabrilloPassTest, FileThatCannotBeWrittenIsReportedToTheOperator) {
  env_.failWritesAfter = 0;
  int out = 0;
  run(&out);
  ASSERT_EQ(env_.messages.size(), 1u);
  EXPECT_EQ(env_.messages[0].text, "File not written: Q1QQQ.cbr");
  EXPECT_EQ(out, -1);
}

}  // namespace
