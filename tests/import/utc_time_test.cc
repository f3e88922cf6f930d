#include "import/utc_time.h"

#include <gtest/gtest.h>

namespace {

std::string formatted(const std::optional<imports::UtcTime>& time) {
  return time ? imports::toOleDate(*time).Format("%Y-%m-%d %H:%M:%S").str() : "none";
}

TEST(UtcTime, ReadsDatesOnlyWhenTheyExist) {
  EXPECT_EQ(formatted(imports::parseCompactDate("20240229")), "2024-02-29 00:00:00");
  EXPECT_EQ(formatted(imports::parseCompactDate("20230229")), "none");
  EXPECT_EQ(formatted(imports::parseCompactDate("19000229")), "none");
  EXPECT_EQ(formatted(imports::parseCompactDate("20001301")), "none");
  EXPECT_EQ(formatted(imports::parseCompactDate("2024022")), "none");
  EXPECT_EQ(formatted(imports::parseCompactDate("18991231")), "none");
  EXPECT_EQ(formatted(imports::parseDashedDate("2026-12-31")), "2026-12-31 00:00:00");
  EXPECT_EQ(formatted(imports::parseDashedDate("2026/12/31")), "none");
  EXPECT_EQ(formatted(imports::parseDashedDate("2026-12-3a")), "none");
}

TEST(UtcTime, SetsTimeOfDayFromFourOrSixDigits) {
  imports::UtcTime time = *imports::parseDashedDate("2026-11-28");
  EXPECT_TRUE(imports::setTimeOfDay("2359", &time));
  EXPECT_EQ(formatted(time), "2026-11-28 23:59:00");
  EXPECT_TRUE(imports::setTimeOfDay("120559", &time));
  EXPECT_EQ(formatted(time), "2026-11-28 12:05:59");
  for (const char* bad : {"2400", "1260", "120560", "123", "12345", "12a4", ""}) {
    EXPECT_FALSE(imports::setTimeOfDay(bad, &time)) << bad;
  }
}

TEST(UtcTime, OleDateCountsDaysFrom1899) {
  imports::UtcTime time = *imports::parseDashedDate("1900-01-01");
  EXPECT_DOUBLE_EQ(imports::toOleDate(time).m_dt, 2.0);
  time = *imports::parseDashedDate("2026-11-28");
  imports::setTimeOfDay("1800", &time);
  EXPECT_DOUBLE_EQ(imports::toOleDate(time).m_dt, 46354.75);
  EXPECT_EQ(imports::toOleDate(time).m_status, COleDateTime::valid);
}

TEST(UtcTime, ReadsCommandLineDates) {
  EXPECT_EQ(formatted(imports::parseDateTimeOption("2026-11-28")), "2026-11-28 00:00:00");
  EXPECT_EQ(formatted(imports::parseDateTimeOption("2026-11-28T12:30")), "2026-11-28 12:30:00");
  EXPECT_EQ(formatted(imports::parseDateTimeOption("2026-11-28 12:30")), "2026-11-28 12:30:00");
  // A period's end given as a date alone takes in the whole day.
  EXPECT_EQ(formatted(imports::parsePeriodEndOption("2026-11-28")), "2026-11-28 23:59:00");
  EXPECT_EQ(formatted(imports::parsePeriodEndOption("2026-11-28T12:30")), "2026-11-28 12:30:00");
  for (const char* bad : {"2026-11-28T1230", "2026-11-28T24:00", "28.11.2026", "2026-11-28T"}) {
    EXPECT_EQ(formatted(imports::parseDateTimeOption(bad)), "none") << bad;
    EXPECT_EQ(formatted(imports::parsePeriodEndOption(bad)), "none") << bad;
  }
}

// Each text form of one moment, 2025-11-29 23:05:09 UTC, and of times that
// are no date (before the year 100, after 9999).
TEST(UtcTime, WritesEachTextForm) {
  const imports::UtcTime time{2025, 11, 29, 23, 5, 9};
  const imports::Minute minute = imports::minuteOf(time);
  const std::int64_t hour = imports::hourOf(minute);
  const imports::UnixTime unix = imports::unixTimeOf(time);
  const imports::Minute noDate = -700000 * imports::kMinutesPerDay;
  char written[imports::kMinuteTextSize];
  const std::string forms[][2] = {
      {imports::formatMinute(minute), "2025-11-29T23:05"},
      {std::string(written, imports::writeMinute(minute, written)), "2025-11-29T23:05"},
      {imports::formatMinuteSpaced(minute), "2025-11-29 23:05"},
      {imports::formatHour(hour), "11-29 23:00"},
      {imports::formatHour(hour + 1), "11-30 00:00"},
      {imports::formatUtc(unix), "2025-11-29 23:05:09 UTC"},
      {imports::formatCompactUtc(unix + 51), "20251129-230600"},
      {imports::formatUtc(0), "1970-01-01 00:00:00 UTC"},
      {imports::formatUtc(-1), "1969-12-31 23:59:59 UTC"},
      {imports::formatMailDate(unix), "Sat, 29 Nov 2025 23:05:09 +0000"},
      {imports::formatMailDate(-1), "Wed, 31 Dec 1969 23:59:59 +0000"},
      {imports::formatMinute(noDate), ""},
      {imports::formatMinuteSpaced(noDate), ""},
  };
  for (const auto& [text, form] : forms) EXPECT_EQ(text, form);
  EXPECT_EQ(unix, 1764457509);
  EXPECT_EQ(minute, 45990 * imports::kMinutesPerDay + 23 * 60 + 5);
}

// An end the definition or command line gives wins; the caller's answer
// fills the other.
TEST(UtcTime, TakesThePeriodFromTheEndsGivenElseTheCallers) {
  const imports::UtcTime noon{2025, 11, 29, 12, 0, 0};
  const imports::Minute noonMinute = 45990 * imports::kMinutesPerDay + 12 * 60;
  const imports::Period span{100, 200};
  struct Case {
    std::optional<imports::UtcTime> from, to;
    imports::Period unset;
    imports::Minute expectedFrom, expectedTo;
  };
  const Case cases[] = {
      {noon, noon, span, noonMinute, noonMinute},
      {noon, std::nullopt, span, noonMinute, 200},
      {std::nullopt, noon, imports::kOpenPeriod, INT32_MIN, noonMinute},
      {std::nullopt, std::nullopt, imports::kOpenPeriod, INT32_MIN, INT32_MAX},
  };
  for (const Case& c : cases) {
    const imports::Period period = imports::periodOf(c.from, c.to, c.unset);
    EXPECT_EQ(period.from, c.expectedFrom);
    EXPECT_EQ(period.to, c.expectedTo);
  }
}

}  // namespace
