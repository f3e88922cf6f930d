#include <gtest/gtest.h>

#include "host/json_text.h"
#include "host/result_report.h"
#include "import/log_text.h"

namespace {

TEST(JsonText, EscapesWhatJsonForbidsAndKeepsValidUtf8) {
  EXPECT_EQ(host::jsonString("Q1ZVK"), "\"Q1ZVK\"");
  EXPECT_EQ(host::jsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(host::jsonString("\r\n\t\x01\x7f"), "\"\\u000d\\u000a\\u0009\\u0001\\u007f\"");
  EXPECT_EQ(host::jsonString("Z\xC3\xBCrich \xE2\x82\xAC"), "\"Z\xC3\xBCrich \xE2\x82\xAC\"");
  EXPECT_EQ(host::jsonString("Z\xFCrich"), "\"Z\\u00fcrich\"");   // Latin-1
  EXPECT_EQ(host::jsonString("\xC3"), "\"\\u00c3\"");             // cut sequence
  EXPECT_EQ(host::jsonString("\xC0\xAF"), "\"\\u00c0\\u00af\"");  // overlong
  EXPECT_EQ(host::jsonString(std::string("a\0b", 3)), "\"a\\u0000b\"");
}

TEST(JsonText, ValidUtf8TakesOtherBytesAsLatin1ForTheLibrary) {
  struct Case {
    std::string text, utf8;
  } cases[] = {
      {"Q1ZVK \xC3\xBC\xE2\x82\xAC\xF0\x9F\x93\xBB", "Q1ZVK \xC3\xBC\xE2\x82\xAC\xF0\x9F\x93\xBB"},
      {"Z\xFCrich", "Z\xC3\xBCrich"},
      {"\xC3", "\xC3\x83"},
      {"\xC0\xAF\xFF", "\xC3\x80\xC2\xAF\xC3\xBF"},
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(imports::validUtf8(c.text), c.utf8);
    // The library reads jsonString's text as the same characters.
    EXPECT_EQ(nlohmann::json::parse(host::jsonString(c.text)).get<std::string>(), c.utf8);
  }
}

TEST(ResultReport, TextListsTheFilesUnderTheOutputFolder) {
  EXPECT_EQ(host::textReport("SUMMARY", "StatsZVK_.txt",
                             {"StatsZVK_.txt", "Plugins/ZVK-CW.ini", "Q1_P.cbr"}, "./out/"),
            "SUMMARY\n\nFiles written:\n"
            "  out/StatsZVK_.txt  (UBN file: rejected and duplicate QSOs)\n"
            "  out/Plugins/ZVK-CW.ini  (settings)\n"
            "  out/Q1_P.cbr  (Cabrillo log)\n");
  EXPECT_EQ(host::textReport("SUMMARY", "StatsZVK_.txt", {}, "."),
            "SUMMARY\n\nFiles written:\n  none (is the output folder writable?)\n");
}

TEST(ResultReport, JsonHoldsTheWholeResult) {
  host::Summary summary;
  summary.title = "ZVK-CW-CONTEST";
  summary.periodFrom = "12.06";
  summary.periodTo = "13.06.2016";
  summary.contestant = "Q1ZVK";
  summary.bands = {{"80m", 1, 5, 1}};
  summary.total = {"Total", 1, 5, 1};
  summary.claimedScore = 5;
  std::vector<host::UbnGroup> groups = {{"NO CONTEST BAND", {"QSO: a"}}, {"DUPE", {}}};
  EXPECT_EQ(host::jsonReport(summary, "StatsZVK_13_06_2016.txt", groups,
                             {"StatsZVK_13_06_2016.txt"}, "."),
            "{\n"
            "  \"contest\": \"ZVK-CW-CONTEST\",\n"
            "  \"period\": {\"from\": \"12.06\", \"to\": \"13.06.2016\"},\n"
            "  \"contestant\": \"Q1ZVK\",\n"
            "  \"bands\": [\n"
            "    {\"band\": \"80m\", \"qsos\": 1, \"points\": 5, \"members\": 1}\n"
            "  ],\n"
            "  \"total\": {\"qsos\": 1, \"points\": 5, \"members\": 1},\n"
            "  \"claimedScore\": 5,\n"
            "  \"ubn\": {\"file\": \"StatsZVK_13_06_2016.txt\", \"lines\": {\n"
            "    \"NO CONTEST BAND\": [\n"
            "      \"QSO: a\"\n"
            "    ],\n"
            "    \"DUPE\": []\n"
            "  }},\n"
            "  \"files\": [\"StatsZVK_13_06_2016.txt\"]\n"
            "}\n");
}

}  // namespace
