#include "platform/ole_date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using platform::SystemTime;

std::string formatted(double date, int status = COleDateTime::valid,
                      const char* pattern = "%Y-%m-%d %H:%M:%S") {
  return COleDateTime(date, status).Format(pattern).str();
}

TEST(OleDateConversion, CalendarDatesAndTimesRoundToTheSecond) {
  EXPECT_EQ(formatted(0.0), "1899-12-30 00:00:00");
  EXPECT_EQ(formatted(42712.5863425926), "2016-12-08 14:04:20");
  EXPECT_EQ(formatted(0.99999999), "1899-12-31 00:00:00");
  EXPECT_EQ(formatted(2958465.99999), "9999-12-31 23:59:59");
  SystemTime first;
  ASSERT_TRUE(platform::variantTimeToSystemTime(-657434.0, &first));
  EXPECT_EQ(first.year * 10000 + first.month * 100 + first.day, 1000101);
}

TEST(OleDateConversion, FractionIsTimeOfDayAlsoForNegativeDates) {
  EXPECT_EQ(formatted(-1.25), "1899-12-29 06:00:00");
  EXPECT_EQ(formatted(-0.5), "1899-12-30 12:00:00");
}

TEST(OleDateConversion, RejectsNonFiniteAndOutOfRangeDates) {
  SystemTime untouched;
  untouched.year = 1234;
  for (double date : {std::nan(""), std::numeric_limits<double>::infinity(),
                      -std::numeric_limits<double>::infinity(), 2958466.0, -657435.0, 1e300}) {
    SystemTime time = untouched;
    EXPECT_FALSE(platform::variantTimeToSystemTime(date, &time)) << date;
    EXPECT_EQ(time.year, 1234);
  }
}

TEST(OleDateConversion, WeekdayIsComputed) {
  SystemTime time;
  ASSERT_TRUE(platform::variantTimeToSystemTime(42712.5, &time));
  EXPECT_EQ(time.dayOfWeek, 4);  // 2016-12-08 was a Thursday
  ASSERT_TRUE(platform::variantTimeToSystemTime(0.99999999, &time));
  EXPECT_EQ(time.dayOfWeek, 0);  // rounded into Sunday 1899-12-31
}

TEST(OleDateFormat, StatusDecidesBeforeTheValue) {
  EXPECT_EQ(formatted(42712.5, COleDateTime::null), "");
  EXPECT_EQ(formatted(42712.5, COleDateTime::invalid), "Invalid DateTime");
  EXPECT_EQ(formatted(42712.5, 7), "Invalid DateTime");
  EXPECT_EQ(formatted(std::nan(""), COleDateTime::valid), "Invalid DateTime");
  EXPECT_EQ(formatted(42712.5, COleDateTime::valid, "%d_%m_%Y"), "08_12_2016");
}

TEST(OleDateFormat, ResultIsCutAt255Characters) {
  std::string pattern(300, 'x');
  EXPECT_EQ(formatted(42712.5, COleDateTime::valid, pattern.c_str()), "");
  std::string fits(255, 'x');
  EXPECT_EQ(formatted(42712.5, COleDateTime::valid, fits.c_str()), fits);
}

TEST(HourNumber, CountsWholeHoursAcrossDays) {
  SystemTime time;
  ASSERT_TRUE(platform::variantTimeToSystemTime(1.5, &time));
  EXPECT_EQ(platform::hourNumber(time), 36);
  ASSERT_TRUE(platform::variantTimeToSystemTime(-1.25, &time));
  EXPECT_EQ(platform::hourNumber(time), -18);
  EXPECT_EQ(platform::hourNumberOfUnixTime(0), 25569 * 24);
  EXPECT_EQ(platform::hourNumberOfUnixTime(-1), 25569 * 24 - 1);
  EXPECT_EQ(platform::hourNumberOfUnixTime(7199), 25569 * 24 + 1);
}

}  // namespace
