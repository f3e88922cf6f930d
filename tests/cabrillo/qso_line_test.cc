#include <gtest/gtest.h>

#include <string>

#include "cabrillo/station_data.h"

namespace {

// 2016-02-14 09:30 as an OLE automation date.
const COleDateTime kFeb14At0930(42414.0 + 9.5 / 24.0, COleDateTime::valid);

std::string lastLine(const CStationData& station) {
  return station.cabrilloLines[station.cabrilloLines.GetSize() - 1].str();
}

TEST(QsoLineTest, FormatsTheWritersExample) {
  CStationData station;
  station.callsign = "Q1QQQ";
  station.FormatQsoLine("Q2QQ", 3550, "CW", kFeb14At0930, "599", "001", "599", "017");
  ASSERT_EQ(station.cabrilloLines.GetSize(), 1);
  EXPECT_EQ(lastLine(station),
            "QSO:  3550 CW 2016-02-14 0930 Q1QQQ         599 001    Q2QQ          599 017\r\n");
}

TEST(QsoLineTest, WidthsAreMinimumsAndNothingIsCut) {
  struct Case {
    const char* ownCall;
    const char* call;
    int frequency;
    const char* mode;
    const char* expected;
  };
  const Case cases[] = {
      {"Q1QQQ", "Q2QQ", 14025, "CW",
       "QSO: 14025 CW 2016-02-14 0930 Q1QQQ         599 001    Q2QQ          599 017\r\n"},
      {"Q1QQQ", "Q2QQ", 123456, "?",
       "QSO: 123456  ? 2016-02-14 0930 Q1QQQ         599 001    Q2QQ          599 017\r\n"},
      {"Q1QQQ", "Q2QQ", -7, "??",
       "QSO:    -7 ?? 2016-02-14 0930 Q1QQQ         599 001    Q2QQ          599 017\r\n"},
      {"Q1QQQ/QQ/PORT", "Q2QQ/MM/LONGER", 7010, "CW",
       "QSO:  7010 CW 2016-02-14 0930 Q1QQQ/QQ/PORT 599 001    Q2QQ/MM/LONGER   599 017\r\n"},
      {"Q1QQQ/QQ/PORTABLE", "", 7010, "CW",
       "QSO:  7010 CW 2016-02-14 0930 Q1QQQ/QQ/PORTABLE 599 001                  599 017\r\n"},
  };
  for (const Case& c : cases) {
    CStationData station;
    station.callsign = c.ownCall;
    station.FormatQsoLine(c.call, c.frequency, c.mode, kFeb14At0930, "599", "001", "599", "017");
    EXPECT_EQ(lastLine(station), c.expected);
  }
}

TEST(QsoLineTest, ShortAndLongExchangesKeepTheirColumns) {
  CStationData station;
  station.callsign = "Q1QQQ";
  station.FormatQsoLine("Q2QQ", 3550, "CW", kFeb14At0930, "5", "NM", "", "NM");
  station.FormatQsoLine("Q2QQ", 3550, "CW", kFeb14At0930, "5999", "1234567", "5999", "12345678");
  EXPECT_EQ(station.cabrilloLines[0].str(),
            "QSO:  3550 CW 2016-02-14 0930 Q1QQQ         5   NM     Q2QQ              NM\r\n");
  EXPECT_EQ(
      station.cabrilloLines[1].str(),
      "QSO:  3550 CW 2016-02-14 0930 Q1QQQ         5999 1234567 Q2QQ          5999 12345678\r\n");
}

TEST(QsoLineTest, InvalidAndNullTimesFillTheDateColumn) {
  CStationData station;
  station.callsign = "Q1QQQ";
  station.FormatQsoLine("Q2QQ", 3550, "CW", COleDateTime(42414.0, COleDateTime::invalid), "599",
                        "001", "599", "017");
  station.FormatQsoLine("Q2QQ", 3550, "CW", COleDateTime(0.0, COleDateTime::null), "599", "001",
                        "599", "017");
  EXPECT_EQ(station.cabrilloLines[0].str(),
            "QSO:  3550 CW Invalid DateTime Q1QQQ         599 001    Q2QQ          599 017\r\n");
  EXPECT_EQ(station.cabrilloLines[1].str(),
            "QSO:  3550 CW  Q1QQQ         599 001    Q2QQ          599 017\r\n");
}

TEST(QsoLineTest, LinesAreAppendedInCallOrder) {
  CStationData station;
  station.callsign = "Q1QQQ";
  station.FormatQsoLine("Q2AA", 3550, "CW", kFeb14At0930, "599", "001", "599", "017");
  station.FormatQsoLine("Q2BB", 7010, "CW", kFeb14At0930, "599", "002", "599", "NM");
  ASSERT_EQ(station.cabrilloLines.GetSize(), 2);
  EXPECT_EQ(station.cabrilloLines[0].str(),
            "QSO:  3550 CW 2016-02-14 0930 Q1QQQ         599 001    Q2AA          599 017\r\n");
  EXPECT_EQ(station.cabrilloLines[1].str(),
            "QSO:  7010 CW 2016-02-14 0930 Q1QQQ         599 002    Q2BB          599 NM\r\n");
}

}  // namespace
