#include "log/statistics_reset.h"

#include <gtest/gtest.h>

#include "tests/support/fake_env.h"
#include "tests/support/qso_builder.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::oleDate;
using testing_support::readFile;

constexpr char kHeader[] = "ZVK-CW-CONTEST  UBN file \r\n";

class StatisticsResetTest : public testing_support::TempDirTest {
 protected:
  void reset(const COleDateTime& start, const COleDateTime& end) {
    ResetTarget target{log, workedBands, periodFrom, periodTo, fileDate, ubnPath};
    beginReset(start, end, target);
    startStatistics(end, target, env);
  }

  CQsoLog log;
  CStringArray workedBands;
  CString periodFrom, periodTo, fileDate, ubnPath;
  testing_support::FakeEnv env;
  COleDateTime start{oleDate(2026, 12, 7, 12, 0), COleDateTime::valid};
  COleDateTime end{oleDate(2026, 12, 8, 12, 0), COleDateTime::valid};
};

TEST_F(StatisticsResetTest, NamesAndStartsTheFileAfterTheContestEnd) {
  CInfo record;
  log.Add(record);
  workedBands.Add("20m");
  testing_support::writeFile("StatsZVK_08_12_2026.txt", "old lines\r\n");
  reset(start, end);
  EXPECT_EQ(periodFrom, "07.12");
  EXPECT_EQ(periodTo, "08.12.2026");
  EXPECT_EQ(ubnPath, "StatsZVK_08_12_2026.txt");
  EXPECT_EQ(readFile("StatsZVK_08_12_2026.txt"), kHeader);
  EXPECT_EQ(log.GetSize(), 0);
  EXPECT_EQ(workedBands.GetSize(), 0);
}

TEST_F(StatisticsResetTest, NullAndInvalidEndsStillNameAFile) {
  reset(start, COleDateTime(0.0, COleDateTime::null));
  EXPECT_EQ(periodTo, "");
  EXPECT_EQ(readFile("StatsZVK_.txt"), kHeader);
  reset(COleDateTime(0.0, COleDateTime::invalid), COleDateTime(0.0, COleDateTime::invalid));
  EXPECT_EQ(periodFrom, "Invalid DateTime");
  EXPECT_EQ(readFile("StatsZVK_Invalid DateTime.txt"), kHeader);
}

TEST_F(StatisticsResetTest, UnwritableFolderIsSilentAndTheResetHappens) {
  env.failWritesAfter = 0;
  CInfo record;
  log.Add(record);
  reset(start, end);
  EXPECT_EQ(log.GetSize(), 0);
  EXPECT_EQ(ubnPath, "StatsZVK_08_12_2026.txt");
  EXPECT_FALSE(testing_support::fileExists("StatsZVK_08_12_2026.txt"));
}

}  // namespace
