#include "import/cabrillo_import.h"

#include <gtest/gtest.h>

#include <optional>

#include "import/input_error.h"

namespace {

// The log of a text the importer reads without a problem.
imports::ImportedLog importCabrillo(const std::string& text, const std::string& fileName,
                                    const imports::CabrilloLayout& layout = {}) {
  imports::LogProblems problems;
  imports::ImportedLog log = imports::importCabrillo(text, fileName, layout, &problems);
  EXPECT_TRUE(problems.empty()) << imports::inputError(problems.front()).what();
  return log;
}

struct Columns {
  std::string myCall, rstSent, exchSent, call, rstRcvd, exchRcvd;
};

Columns columnsOf(const std::string& afterTime) {
  imports::ImportedLog log = importCabrillo("QSO: 7025 CW 2026-11-28 1203 " + afterTime, "log.cbr");
  const imports::Qso& qso = log.qsos.at(0);
  return {qso.myCall, qso.rstSent, qso.exchSent, qso.call, qso.rstRcvd, qso.exchRcvd};
}

TEST(CabrilloImport, SplitsStationColumnsOfEveryLineShape) {
  struct Case {
    std::string afterTime;
    Columns expected;
  } cases[] = {
      {"Q1ZVK 599 417 Q2AB 599 NM", {"Q1ZVK", "599", "417", "Q2AB", "599", "NM"}},
      {"I44Z 599 28 W9ZR 599 8 0", {"I44Z", "599", "28", "W9ZR", "599", "8"}},
      {"S51Z  599  ZOKI 226   PA7F  599  FRANK  181   ",
       {"S51Z", "599", "ZOKI 226", "PA7F", "599", "FRANK 181"}},
      {"Q1ZVK 599 Q2AB 599 017", {"Q1ZVK", "599", "", "Q2AB", "599", "017"}},
      {"Q1ZVK 599 417 Q2AB 599", {"Q1ZVK", "599", "417", "Q2AB", "599", ""}},
      {"Q1ZVK 599 Q2AB 599", {"Q1ZVK", "599", "", "Q2AB", "599", ""}},
      {"Q1ZVK Q2AB", {"Q1ZVK", "", "", "Q2AB", "", ""}},
  };
  for (const Case& c : cases) {
    Columns got = columnsOf(c.afterTime);
    EXPECT_EQ(got.myCall, c.expected.myCall) << c.afterTime;
    EXPECT_EQ(got.rstSent, c.expected.rstSent) << c.afterTime;
    EXPECT_EQ(got.exchSent, c.expected.exchSent) << c.afterTime;
    EXPECT_EQ(got.call, c.expected.call) << c.afterTime;
    EXPECT_EQ(got.rstRcvd, c.expected.rstRcvd) << c.afterTime;
    EXPECT_EQ(got.exchRcvd, c.expected.exchRcvd) << c.afterTime;
  }
}

TEST(CabrilloImport, ReadsFrequencyModeTimeAndOwnCall) {
  imports::ImportedLog log = importCabrillo(
      "START-OF-LOG: 3.0\r\ncallsign:  Q1ZVK \r\nX-QSO: 7025 CW 2026-11-28 1203 Q1ZVK 599 1 Q2AB "
      "599 2\r\nQSO:  3714 PH 2026-11-28 2130 Q1ZVK 59 417 Q2AB 59 NM\r\n"
      "qso: 50 CW 2026-11-29 0001 Q1ZVK 599 417 Q3CD 599 12\r\n"
      "QSO: 14025.5 RY 2026-11-29 0002 Q1ZVK 599 417 Q4EF 599 13\r\nEND-OF-LOG:",
      "log.cbr");
  EXPECT_EQ(log.ownCall, "Q1ZVK");
  ASSERT_EQ(log.qsos.size(), 3u);
  EXPECT_EQ(log.qsos[0].line, 4);
  EXPECT_EQ(log.qsos[0].frequencyHz, 3714000u);
  EXPECT_EQ(log.qsos[0].band, "80m");
  EXPECT_EQ(log.qsos[0].mode, "SSB");
  EXPECT_EQ(log.qsos[0].time.Format("%Y-%m-%d %H%M").str(), "2026-11-28 2130");
  EXPECT_EQ(log.qsos[1].frequencyHz, 50000000u);
  EXPECT_EQ(log.qsos[1].band, "6m");
  EXPECT_EQ(log.qsos[2].frequencyHz, 14025500u);
  EXPECT_EQ(log.qsos[2].mode, "RTTY");
}

TEST(CabrilloImport, EveryBadQsoLineIsNamedWithLineAndFieldAndLeftOut) {
  const std::string text =
      "START-OF-LOG: 3.0\n"
      "QSO: 7025 CW 2026-11-28 1203 Q1ZVK\n"
      "QSO: 7O25 CW 2026-11-28 1203 Q1ZVK Q2AB\n"
      "QSO: 7025 CW 2026-11-28 1204 Q1ZVK Q3CD\n"
      "QSO: 7025 CW 28.11.2026 1203 Q1ZVK Q2AB\n"
      "QSO: 7025 CW 2026-02-29 1203 Q1ZVK Q2AB\n"
      "QSO: 7025 CW 2026-11-28 12:03 Q1ZVK Q2AB\n"
      "END-OF-LOG:\n";
  imports::LogProblems problems;
  const imports::ImportedLog log = imports::importCabrillo(text, "log.cbr", {}, &problems);
  std::vector<std::string> messages;
  for (const imports::LogFileError& problem : problems) {
    messages.push_back(imports::inputError(problem).what());
  }
  EXPECT_EQ(messages, (std::vector<std::string>{
                          "log.cbr:2: QSO: needs frequency, mode, date, time, own call and call",
                          "log.cbr:3: frequency: \"7O25\" is not a frequency in kHz",
                          "log.cbr:5: date: \"28.11.2026\" is not a date (YYYY-MM-DD)",
                          "log.cbr:6: date: \"2026-02-29\" is not a date (YYYY-MM-DD)",
                          "log.cbr:7: time: \"12:03\" is not a time (HHMM)",
                      }));
  ASSERT_EQ(log.qsos.size(), 1u);
  EXPECT_EQ(log.qsos[0].call, "Q3CD");
  EXPECT_EQ(log.qsos[0].line, 4);
}

TEST(CabrilloImport, KeepsCategoriesAndClaimedScoreOfTheHeader) {
  struct Case {
    std::string header;
    std::string categories;
    std::optional<int> claimedScore;
  } cases[] = {
      {"CATEGORY-OPERATOR: SINGLE-OP\r\ncategory-band:  80M \r\nCLAIMED-SCORE: 491\r\n"
       "CATEGORY-MODE: CW\r\n",
       "CATEGORY-OPERATOR=SINGLE-OP;CATEGORY-BAND=80M;CATEGORY-MODE=CW;", 491},
      {"CATEGORY: SINGLE-OP ALL LOW\nCLAIMED-SCORE:\n",
       "CATEGORY-OPERATOR=SINGLE-OP;CATEGORY-BAND=ALL;CATEGORY-POWER=LOW;", std::nullopt},
      {"CLAIMED-SCORE: 1,234\n", "", std::nullopt},
      {"CLAIMED-SCORE: 12345678901\n", "", std::nullopt},
  };
  for (const Case& c : cases) {
    imports::ImportedLog log = importCabrillo(
        "START-OF-LOG: 3.0\n" + c.header + "QSO: 3524 CW 2026-11-28 1203 Q1ZVK 599 1 Q2AB 599 2\n",
        "log.cbr");
    std::string categories;
    for (const imports::HeaderValue& value : log.categories) {
      categories += value.tag + "=" + value.value + ";";
    }
    EXPECT_EQ(categories, c.categories) << c.header;
    EXPECT_EQ(log.claimedScore, c.claimedScore) << c.header;
    EXPECT_EQ(log.qsos.size(), 1u);
  }
}

}  // namespace
