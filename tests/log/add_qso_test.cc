#include "log/add_qso.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "log/ubn_file.h"
#include "tests/support/fake_env.h"
#include "tests/support/qso_builder.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::contestQso;
using testing_support::oleDate;
using testing_support::readFile;

const char* const kBands[] = {"80m", "80m", "40m", "20m", "15m", "10m"};
const char* const kModes[] = {"CW"};

constexpr char kHeader[] = "ZVK-CW-CONTEST  UBN file \r\n";
constexpr char kLinePrefix[] = "QSO:  14025  CW  2016-11-27 1405  Q1QQQ  599  NM  Q2QQ  599  1234";

class AddQsoTest : public testing_support::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    testing_support::writeFile(ubnPath.str(), kHeader);
    env.setNow(2016, 11, 27, 15, 20);
  }

  int add(const QsoFields& qso) {
    return addQso(qso, bands, modes, {log, workedBands, ubnPath}, env);
  }
  std::string ubn() const { return readFile(ubnPath.str()); }

  CContestRules bands{kBands, 6};
  CContestRules modes{kModes, 1};
  CQsoLog log;
  CStringArray workedBands;
  CString ubnPath{"StatsZVK_27_11_2016.txt"};
  testing_support::FakeEnv env;
};

TEST_F(AddQsoTest, ContestQsoIsStoredWithoutAnyLine) {
  EXPECT_EQ(add(contestQso()), 1);
  ASSERT_EQ(log.GetSize(), 1);
  EXPECT_EQ(log.begin()->call, "Q2QQ");
  EXPECT_EQ(log.begin()->frequencyKHz, 14025);
  EXPECT_EQ(log.begin()->exchRcvd, "1234");
  EXPECT_EQ(ubn(), kHeader);
}

TEST_F(AddQsoTest, RejectionsWriteOneLineWithTheFirstFailingReason) {
  struct Case {
    const char* band;
    const char* mode;
    const char* exchSent;
    const char* exchRcvd;
    const char* reason;
  } cases[] = {
      {"160m", "CW", "NM", "1234", "   NO CONTEST BAND !!!"},
      {"160m", "SSB", "NM", "1234", "   NO CONTEST BAND !!!"},
      {"", "CW", "NM", "1234", "   NO CONTEST BAND !!!"},
      {"20m", "SSB", "NM", "1234", "   NO CONTEST MODE !!!"},
      {"20m", "CW ", "NM", "1234", "   NO CONTEST MODE !!!"},
      {"20m", "CW", "NM", "", "   NO RX/TX NUMBER !!!"},
      {"20m", "CW", "", "1234", "   NO RX/TX NUMBER !!!"},
  };
  for (const Case& c : cases) {
    testing_support::writeFile(ubnPath.str(), kHeader);
    QsoFields qso = contestQso();
    qso.band = c.band;
    qso.mode = c.mode;
    qso.exchSent = c.exchSent;
    qso.exchRcvd = c.exchRcvd;
    EXPECT_EQ(add(qso), 0) << c.reason;
    CString line = ubn_file::qsoLine(qso, "2016-11-27 1405", c.reason);
    EXPECT_EQ(ubn(), kHeader + line.str()) << c.band << "/" << c.mode;
  }
  EXPECT_EQ(log.GetSize(), 0);
  EXPECT_EQ(workedBands.GetSize(), 0);
}

TEST_F(AddQsoTest, RuleListsIgnoreCaseButWorkedBandsKeepTheText) {
  QsoFields qso = contestQso();
  qso.band = "20M";
  qso.mode = "cw";
  EXPECT_EQ(add(qso), 1);
  EXPECT_EQ(add(contestQso("Q3QQ")), 1);
  EXPECT_EQ(add(contestQso("Q4QQ")), 1);
  ASSERT_EQ(workedBands.GetSize(), 2);
  EXPECT_EQ(workedBands[0], "20M");
  EXPECT_EQ(workedBands[1], "20m");
}

TEST_F(AddQsoTest, EveryEarlierMatchWithinTheWindowGivesADupeLine) {
  EXPECT_EQ(add(contestQso()), 1);
  EXPECT_EQ(add(contestQso()), 1);
  EXPECT_EQ(add(contestQso()), 1);
  EXPECT_EQ(log.GetSize(), 3);
  std::string dupe = std::string(kLinePrefix) + "   DUPE !!!\r\n";
  EXPECT_EQ(ubn(), kHeader + dupe + dupe + dupe);
}

TEST_F(AddQsoTest, OtherBandOrOtherCaseIsNoDupe) {
  add(contestQso());
  QsoFields otherBand = contestQso();
  otherBand.band = "40m";
  add(otherBand);
  add(contestQso("q2qq"));
  EXPECT_EQ(ubn(), kHeader);
  EXPECT_EQ(log.GetSize(), 3);
}

QsoFields qsoAt(int day, int hour, int minute) {
  QsoFields qso = contestQso();
  qso.time = COleDateTime(oleDate(2016, 11, day, hour, minute), COleDateTime::valid);
  return qso;
}

// The window counts hours on the full date of the new QSO's own time, not the
// hour of the day at the moment of the call.
TEST_F(AddQsoTest, DupeWindowUsesTheNewQsosFullDateAndTime) {
  struct Case {
    int storedDay, storedHour, storedMinute;
    bool dupe;
  } cases[] = {
      {27, 12, 59, true}, {27, 11, 0, false}, {27, 16, 10, true},
      {26, 17, 0, false},  // 22 hours earlier: the hours of the day alone would call it a dupe
      {27, 15, 59, true},
  };
  for (const Case& c : cases) {
    log.RemoveAll();
    testing_support::writeFile(ubnPath.str(), kHeader);
    add(qsoAt(c.storedDay, c.storedHour, c.storedMinute));
    env.setNow(2016, 11, 28, 2, 0);  // rebuilding later must not change the answer
    add(qsoAt(27, 15, 20));
    bool wroteDupe = ubn().find("DUPE") != std::string::npos;
    EXPECT_EQ(wroteDupe, c.dupe) << c.storedDay << " " << c.storedHour << ":" << c.storedMinute;
  }
}

TEST_F(AddQsoTest, StoredQsoWithoutValidTimeIsInsideTheWindow) {
  QsoFields stored = contestQso();
  stored.time = COleDateTime(0.0, COleDateTime::invalid);
  add(stored);
  add(qsoAt(27, 20, 0));
  EXPECT_NE(ubn().find("DUPE"), std::string::npos);
}

TEST_F(AddQsoTest, NewQsoWithoutValidTimeIsMeasuredFromTheClock) {
  add(qsoAt(27, 10, 0));
  QsoFields undated = contestQso();
  undated.time = COleDateTime(0.0, COleDateTime::null);
  env.setNow(2016, 11, 27, 13, 30);
  add(undated);
  EXPECT_EQ(ubn(), kHeader + std::string("QSO:  14025  CW    Q1QQQ  599  NM  Q2QQ  599  1234") +
                       "   DUPE !!!\r\n");
}

TEST_F(AddQsoTest, NewQsoWithoutValidTimeOutsideTheClocksWindowIsNoDupe) {
  add(qsoAt(27, 10, 0));
  QsoFields undated = contestQso();
  undated.time = COleDateTime(0.0, COleDateTime::invalid);
  env.setNow(2016, 11, 27, 14, 0);
  add(undated);
  EXPECT_EQ(ubn(), kHeader);
}

TEST_F(AddQsoTest, WithoutStatisticsFileQsosAreStillStored) {
  ubnPath.Empty();
  QsoFields offBand = contestQso();
  offBand.band = "160m";
  EXPECT_EQ(add(offBand), 0);
  EXPECT_EQ(add(contestQso()), 1);
  EXPECT_EQ(add(contestQso()), 1);
  EXPECT_EQ(log.GetSize(), 2);
}

TEST_F(AddQsoTest, LineBreaksInsideFieldsKeepTheLineWhole) {
  QsoFields qso = contestQso("Q2\r\nQQ");
  qso.myCall = "Q1\nQQQ";
  qso.rstSent = "5\r9\r\n9";
  qso.exchRcvd = "\n";
  qso.band = "160m";
  EXPECT_EQ(add(qso), 0);
  EXPECT_EQ(ubn(), std::string(kHeader) +
                       "QSO:  14025  CW  2016-11-27 1405  Q1 QQQ  5 9  9  NM  Q2  QQ  599      NO "
                       "CONTEST BAND !!!\r\n");
}

TEST_F(AddQsoTest, FrequencyIsKeptInWholeKilohertz) {
  QsoFields qso = contestQso();
  qso.frequency = 999;
  add(qso);
  qso.frequency = 4294967295u;
  add(qso);
  EXPECT_EQ(log.begin()->frequencyKHz, 0);
  EXPECT_EQ(std::next(log.begin())->frequencyKHz, 4294967);
}

}  // namespace
