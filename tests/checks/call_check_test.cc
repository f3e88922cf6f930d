#include "checks/call_check.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/fake_env.h"
#include "tests/support/qso_builder.h"

namespace {

using testing_support::oleDate;

const char* const kBands[] = {"80m", "80m", "40m", "20m", "15m", "10m"};
const char* const kModes[] = {"CW"};

class CallCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { env.setNow(2016, 11, 27, 15, 20); }

  void store(const char* call, const char* band, const char* exchRcvd, double when,
             int status = COleDateTime::valid) {
    CInfo record;
    record.call = call;
    record.band = band;
    record.mode = "CW";
    record.exchRcvd = exchRcvd;
    record.time = COleDateTime(when, status);
    log.Add(record);
  }
  int check(const char* call, const char* band = "20m", const char* otherBand = "20m",
            const char* mode = "CW") {
    std::memset(exchOut, '#', sizeof exchOut);
    return checkCall({call, mode, band, otherBand}, bands, modes, log, exchOut, env);
  }

  CContestRules bands{kBands, 6};
  CContestRules modes{kModes, 1};
  CQsoLog log;
  testing_support::FakeEnv env;
  char exchOut[50];
};

TEST_F(CallCheckTest, EmptyLogCountsWithEmptyExchange) {
  EXPECT_EQ(check("Q2QQ"), kCallCounts);
  EXPECT_STREQ(exchOut, "");
}

TEST_F(CallCheckTest, NoContestQsoLeavesTheBufferUntouched) {
  EXPECT_EQ(check("Q2QQ", "160m", "160m"), kNoContestQso);
  EXPECT_EQ(check("Q2QQ", "20m", "40m"), kNoContestQso);
  EXPECT_EQ(check("Q2QQ", "20m", "20m", "SSB"), kNoContestQso);
  EXPECT_EQ(check("Q2QQ", nullptr, nullptr), kNoContestQso);
  EXPECT_EQ(exchOut[0], '#');
}

TEST_F(CallCheckTest, RecentSameBandQsoIsADupeAndSuppliesItsExchange) {
  store("Q2QQ", "40m", "111", oleDate(2016, 11, 27, 9, 0));
  store("Q2QQ", "20m", "222", oleDate(2016, 11, 27, 12, 59));
  store("Q2QQ", "80m", "333", oleDate(2016, 11, 27, 13, 0));
  EXPECT_EQ(check("Q2QQ"), kCallIsDupe);
  EXPECT_STREQ(exchOut, "222");
}

TEST_F(CallCheckTest, OldSameBandQsoCountsWithTheLastOtherBandExchange) {
  store("Q2QQ", "40m", "111", oleDate(2016, 11, 27, 9, 0));
  store("Q2QQ", "20m", "222", oleDate(2016, 11, 27, 11, 0));
  store("Q2QQ", "80m", "333", oleDate(2016, 11, 27, 10, 0));
  EXPECT_EQ(check("Q2QQ"), kCallCounts);
  EXPECT_STREQ(exchOut, "333");
}

// Hours are counted on the full date: yesterday's QSO at a later hour of the
// day is no dupe any more.
TEST_F(CallCheckTest, QsoFromYesterdayIsOutsideTheWindow) {
  store("Q2QQ", "20m", "222", oleDate(2016, 11, 26, 17, 0));
  EXPECT_EQ(check("Q2QQ"), kCallCounts);
  EXPECT_STREQ(exchOut, "");
}

TEST_F(CallCheckTest, CallsAndBandsCompareExactly) {
  store("Q2QQ", "80m", "222", oleDate(2016, 11, 27, 15, 0));
  EXPECT_EQ(check("q2qq", "80m", "80m"), kCallCounts);
  EXPECT_STREQ(exchOut, "");
  EXPECT_EQ(check("Q2QQ", "80M", "80m"), kCallCounts);
  EXPECT_STREQ(exchOut, "222");
  EXPECT_EQ(check("Q2QQ", "80m", nullptr), kCallIsDupe);
}

TEST_F(CallCheckTest, StoredTimeThatIsNotADateIsADupe) {
  store("Q2QQ", "20m", "222", 0.0, COleDateTime::invalid);
  EXPECT_EQ(check("Q2QQ"), kCallIsDupe);
}

TEST_F(CallCheckTest, LongExchangeIsCutToFitTheHostsBuffer) {
  std::string longExchange(80, 'X');
  store("Q2QQ", "20m", longExchange.c_str(), oleDate(2016, 11, 27, 15, 0));
  EXPECT_EQ(check("Q2QQ"), kCallIsDupe);
  EXPECT_EQ(std::string(exchOut), std::string(49, 'X'));
}

TEST_F(CallCheckTest, NullBufferOnlyAnswers) {
  store("Q2QQ", "20m", "222", oleDate(2016, 11, 27, 15, 0));
  EXPECT_EQ(checkCall({"Q2QQ", "CW", "20m", "20m"}, bands, modes, log, nullptr, env), kCallIsDupe);
}

}  // namespace
