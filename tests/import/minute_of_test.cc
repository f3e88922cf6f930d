// The minute of a time equals the one counted by the civil-days rule, for
// every date a log can hold and at the edges of the calendar conversion.
#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <optional>

#include "import/utc_time.h"

namespace {

struct Calendar {
  int year, month, day, hour, minute;
};

// Minutes since 1899-12-30 00:00 of a calendar time, counted apart from the
// code under test (days from the civil date, as the proleptic calendar has
// them). Minute holds years up to 5983: later ones wrap as the cast wraps.
imports::Minute civilMinute(const Calendar& c) {
  const std::int64_t year = c.year - (c.month <= 2 ? 1 : 0);
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (c.month + (c.month > 2 ? -3 : 9)) + 2) / 5 + c.day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const std::int64_t daysSince1970 = era * 146097 + dayOfEra - 719468;
  return static_cast<imports::Minute>((daysSince1970 + 25569) * 1440 + c.hour * 60 + c.minute);
}

TEST(MinuteOf, CountsTheCalendarTimeAtTheConversionsEdges) {
  constexpr double kHalfSecond = 0.5 / 86400;
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  const double kInfinity = std::numeric_limits<double>::infinity();
  struct Case {
    COleDateTime time;
    std::optional<Calendar> calendar;  // none: no date, minute 0
  };
  const Case cases[] = {
      {{0.0, COleDateTime::valid}, Calendar{1899, 12, 30, 0, 0}},
      {{1.0 - kHalfSecond, COleDateTime::valid}, Calendar{1899, 12, 31, 0, 0}},  // rounded up
      {{1.0 - 1.5 * kHalfSecond, COleDateTime::valid}, Calendar{1899, 12, 30, 23, 59}},
      {{45990.5 - kHalfSecond, COleDateTime::valid}, Calendar{2025, 11, 29, 12, 0}},
      // Before the epoch the fraction still counts forward from the day.
      {{-0.25, COleDateTime::valid}, Calendar{1899, 12, 30, 6, 0}},
      {{-1.7, COleDateTime::valid}, Calendar{1899, 12, 29, 16, 48}},
      {{-657434.0, COleDateTime::valid}, Calendar{100, 1, 1, 0, 0}},
      {{-657434.5, COleDateTime::valid}, std::nullopt},
      {{2958464.999999, COleDateTime::valid}, Calendar{9999, 12, 31, 0, 0}},
      {{2958465.5, COleDateTime::valid}, Calendar{9999, 12, 31, 12, 0}},
      {{2958466.0 - kHalfSecond, COleDateTime::valid}, Calendar{9999, 12, 31, 23, 59}},
      {{2958466.0, COleDateTime::valid}, std::nullopt},
      {{45990.5, COleDateTime::invalid}, std::nullopt},
      {{45990.5, COleDateTime::null}, std::nullopt},
      {{kNaN, COleDateTime::valid}, std::nullopt},
      {{kInfinity, COleDateTime::valid}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(imports::minuteOf(c.time), c.calendar ? civilMinute(*c.calendar) : 0) << c.time.m_dt;
  }
}

// Every day of these years a log can name, at the first and last seconds
// of a minute and of the day.
TEST(MinuteOf, CountsTheCalendarTimeOfEveryImportedDay) {
  const char* clocks[] = {"0000", "000059", "120730", "2359", "235959"};
  for (int year : {1900, 1901, 1999, 2000, 2024, 2025, 2100, 9999}) {
    for (int day = 0; day < 366; ++day) {
      char date[16];
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, 1 + day / 31, 1 + day % 31);
      std::optional<imports::UtcTime> time = imports::parseDashedDate(date);
      if (!time) continue;
      for (const char* clock : clocks) {
        ASSERT_TRUE(imports::setTimeOfDay(clock, &*time));
        const Calendar calendar{time->year, time->month, time->day, time->hour, time->minute};
        ASSERT_EQ(imports::minuteOf(imports::toOleDate(*time)), civilMinute(calendar))
            << date << " " << clock;
      }
    }
  }
}

}  // namespace
