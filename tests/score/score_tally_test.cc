#include "score/score_tally.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "score/result_summary.h"
#include "tests/support/fake_env.h"
#include "tests/support/temp_dir.h"

namespace {

void addRecord(CQsoLog& log, const char* band, const char* exchRcvd, const char* call = "Q2QQ") {
  CInfo record;
  record.call = call;
  record.band = band;
  record.exchRcvd = exchRcvd;
  log.Add(record);
}

std::string rowsOf(const ScoreTally& tally) { return summaryRows(tally).str(); }

TEST(SortWorkedBands, LongestWavelengthFirstAndEqualKeysKeepTheirPlaces) {
  CStringArray bands;
  for (const char* band : {"20m", "10m", "80m", "40m", "15m", "080m"}) bands.Add(band);
  sortWorkedBands(bands);
  std::string order;
  for (const CString& band : bands) order += band.str() + " ";
  EXPECT_EQ(order, "80m 080m 40m 20m 15m 10m ");
}

TEST(TallyScore, NonMembersScoreOneAndMembersFive) {
  CQsoLog log;
  CStringArray bands;
  bands.Add("20m");
  bands.Add("80m");
  for (const char* exch : {"NM", "123", "NM"}) addRecord(log, "20m", exch);
  for (const char* exch : {"nm", " NM", "NMX"}) addRecord(log, "80m", exch);
  ScoreTally tally = tallyScore(log, bands);
  EXPECT_EQ(rowsOf(tally),
            "80m\t 3\t 15\t  3\r\n"
            "20m\t 3\t 7\t  1\r\n"
            "Total\t 6\t 22\t  4\r\n");
  EXPECT_EQ(tally.claimedScore, 22);
}

TEST(TallyScore, RecordWithoutCallCountsOnlyInTheTotal) {
  CQsoLog log;
  CStringArray bands;
  bands.Add("20m");
  addRecord(log, "20m", "123", "");
  addRecord(log, "20m", "123");
  EXPECT_EQ(rowsOf(tallyScore(log, bands)), "20m\t 1\t 5\t  1\r\nTotal\t 2\t 5\t  1\r\n");
}

TEST(TallyScore, BandsWithoutQsosKeepTheirRowsAndCaseMakesTwoRows) {
  CQsoLog log;
  CStringArray bands;
  for (const char* band : {"40m", "80M", "80m"}) bands.Add(band);
  addRecord(log, "80m", "123");
  addRecord(log, "80M", "NM");
  EXPECT_EQ(rowsOf(tallyScore(log, bands)),
            "80m\t 1\t 5\t  1\r\n"
            "80M\t 1\t 1\t  0\r\n"
            "40m\t 0\t 0\t  0\r\n"
            "Total\t 2\t 6\t  1\r\n");
}

class PublishClaimedScoreTest : public testing_support::TempDirTest {};

TEST_F(PublishClaimedScoreTest, StoresTheScoreAndWritesItToTheSettingsFile) {
  std::filesystem::create_directory("Plugins");
  testing_support::FakeEnv env;
  std::int32_t claimed = 7;
  CString section("Settings"), file("Plugins\\ZVK-CW.ini");
  publishClaimedScore(0, {claimed, section, file}, env);
  EXPECT_EQ(claimed, 0);
  EXPECT_EQ(testing_support::readFile("Plugins/ZVK-CW.ini"), "[Settings]\r\nClaimed=0\r\n");
  publishClaimedScore(-12, {claimed, section, file}, env);
  EXPECT_EQ(env.readProfileString("settings", "CLAIMED", "", file), "-12");
}

TEST_F(PublishClaimedScoreTest, MissingSettingsFolderIsSilent) {
  testing_support::FakeEnv env;
  std::int32_t claimed = 0;
  CString section("Settings"), file("Plugins\\ZVK-CW.ini");
  publishClaimedScore(42, {claimed, section, file}, env);
  EXPECT_EQ(claimed, 42);
  EXPECT_FALSE(testing_support::fileExists("Plugins"));
}

TEST(ResultSummary, HeadingAndScoreLines) {
  CString from("12.06"), to("13.06.2016"), call("Q1QQQ");
  EXPECT_EQ(summaryHeading({from, to, call}).str(),
            "ZVK-CW-CONTEST  12.06-13.06.2016 \r\n\tContestant: Q1QQQ\r\n\tQSOs\tPoints\t ZVK\r\n");
  std::string score = summaryScore(12).str();
  EXPECT_EQ(score.substr(0, 18), "\r\nScore:   12 \r\n\r\n");
  EXPECT_EQ(score.find_first_of("\r\n", 18), std::string::npos);  // the credit ends the text
}

}  // namespace
