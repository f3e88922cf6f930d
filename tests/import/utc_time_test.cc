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
  for (const char* bad : {"2026-11-28T1230", "2026-11-28T24:00", "28.11.2026", "2026-11-28T"}) {
    EXPECT_EQ(formatted(imports::parseDateTimeOption(bad)), "none") << bad;
  }
}

}  // namespace
