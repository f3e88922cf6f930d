// The cross-check's minute numbers equal the calendar conversion's, for
// every date a log can hold and at the edges of the conversion.
#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <optional>

#include "crosscheck/normalise.h"
#include "import/utc_time.h"

namespace {

// The minute as the calendar conversion gives it: whole hours, then minutes.
crosscheck::Minute calendarMinute(const COleDateTime& time) {
  platform::SystemTime calendar;
  if (!time.GetAsSystemTime(&calendar)) return 0;
  return static_cast<crosscheck::Minute>(platform::hourNumber(calendar) * 60 + calendar.minute);
}

TEST(MinuteOf, EqualsTheCalendarConversionAtItsEdges) {
  constexpr double kHalfSecond = 0.5 / 86400;
  const COleDateTime cases[] = {
      {0.0, COleDateTime::valid},                      // 1899-12-30 00:00
      {1.0 - kHalfSecond, COleDateTime::valid},        // rounded up into the next day
      {1.0 - 1.5 * kHalfSecond, COleDateTime::valid},  // 23:59:59
      {45990.5 - kHalfSecond, COleDateTime::valid},    // rounded up into the next minute
      {-0.25, COleDateTime::valid},                    // before the epoch
      {-1.75, COleDateTime::valid},
      {-657434.0, COleDateTime::valid},                // 0100-01-01
      {-657434.5, COleDateTime::valid},                // before it: no date
      {2958464.999999, COleDateTime::valid},           // 9999-12-30, rounded up
      {2958465.5, COleDateTime::valid},                // 9999-12-31
      {2958466.0 - kHalfSecond, COleDateTime::valid},  // rounded up out of the range
      {2958466.0, COleDateTime::valid},                // 10000-01-01: no date
      {45990.5, COleDateTime::invalid},
      {45990.5, COleDateTime::null},
      {std::numeric_limits<double>::quiet_NaN(), COleDateTime::valid},
      {std::numeric_limits<double>::infinity(), COleDateTime::valid},
  };
  for (const COleDateTime& time : cases) {
    EXPECT_EQ(crosscheck::minuteOf(time), calendarMinute(time)) << time.m_dt;
  }
}

// Every day of these years a log can name, at the first and last seconds
// of a minute and of the day.
TEST(MinuteOf, EqualsTheCalendarConversionForEveryImportedDay) {
  const char* clocks[] = {"0000", "000059", "120730", "2359", "235959"};
  for (int year : {1900, 1901, 1999, 2000, 2024, 2025, 2100, 9999}) {
    for (int day = 0; day < 366; ++day) {
      char date[16];
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, 1 + day / 31, 1 + day % 31);
      std::optional<imports::UtcTime> time = imports::parseDashedDate(date);
      if (!time) continue;
      for (const char* clock : clocks) {
        ASSERT_TRUE(imports::setTimeOfDay(clock, &*time));
        const COleDateTime ole = imports::toOleDate(*time);
        ASSERT_EQ(crosscheck::minuteOf(ole), calendarMinute(ole)) << date << " " << clock;
      }
    }
  }
}

}  // namespace
