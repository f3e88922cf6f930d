#include "import/adif_import.h"

#include <gtest/gtest.h>

#include "import/adif_reader.h"
#include "import/input_error.h"

namespace {

// The first problem of `text`, as the tools word it.
std::string errorOf(const std::string& text) {
  imports::LogProblems problems;
  imports::importAdif(text, "log.adi", &problems);
  return problems.empty() ? "no error" : imports::inputError(problems.front()).what();
}

// The log of a text the importer reads without a problem.
imports::ImportedLog importAdif(const std::string& text, const std::string& fileName) {
  imports::LogProblems problems;
  imports::ImportedLog log = imports::importAdif(text, fileName, &problems);
  EXPECT_TRUE(problems.empty()) << imports::inputError(problems.front()).what();
  return log;
}

TEST(AdifReader, SkipsHeaderAndReadsValuesByLengthWhateverTheyHold) {
  std::vector<std::string> calls;
  std::vector<int> lines;
  imports::LogProblems problems;
  imports::readAdif(
      "Exported <by> hand\n<adif_ver:5>3.1.4\n<EOH>\n"
      "<CALL:4>Q2AB<comment:9>a<b>\nc<d><eor>\n<Call:6:S>Q3CD/P <EoR>",
      "log.adi",
      [&](const imports::AdifRecord& record) {
        calls.emplace_back(record.find("CALL")->value);
        lines.push_back(record.line);
        if (const imports::AdifField* comment = record.find("COMMENT")) {
          EXPECT_EQ(comment->value, "a<b>\nc<d>");
        }
        EXPECT_EQ(record.find("ADIF_VER"), nullptr);
      },
      &problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(calls, (std::vector<std::string>{"Q2AB", "Q3CD/P"}));
  EXPECT_EQ(lines, (std::vector<int>{4, 6}));
}

TEST(AdifImport, MapsFieldsToThePluginsTerms) {
  imports::ImportedLog log = importAdif(
      "<EOH>\n<call:4>Q2AB <qso_date:8>20261128 <time_on:6>134530 <freq:7>7.03475 "
      "<band:3>40M <mode:2>cw <rst_sent:3>599 <rst_rcvd:3>579 <stx:3>417 <srx_string:2>NM "
      "<station_callsign:5>Q1ZVK <operator:5>q9xyz <eor>\n",
      "log.adi");
  ASSERT_EQ(log.qsos.size(), 1u);
  const imports::Qso& qso = log.qsos[0];
  EXPECT_EQ(log.ownCall, "Q1ZVK");
  EXPECT_EQ(qso.myCall, "Q1ZVK");
  EXPECT_EQ(qso.call, "Q2AB");
  EXPECT_EQ(qso.frequencyHz, 7034750u);
  EXPECT_EQ(qso.band, "40m");
  EXPECT_EQ(qso.mode, "CW");
  EXPECT_EQ(qso.rstSent, "599");
  EXPECT_EQ(qso.rstRcvd, "579");
  EXPECT_EQ(qso.exchSent, "417");
  EXPECT_EQ(qso.exchRcvd, "NM");
  EXPECT_EQ(qso.time.Format("%Y-%m-%d %H:%M:%S").str(), "2026-11-28 13:45:30");
  EXPECT_EQ(qso.line, 2);
}

TEST(AdifImport, FallsBackFieldByField) {
  imports::ImportedLog log = importAdif(
      "<call:4>Q2AB <qso_date:8>20261128 <time_on:4>0905 <freq:6>14.025 <stx_string:0>"
      "<stx:3>417 <srx:3>123 <operator:5>Q9XYZ <eor>"
      "<call:4>Q3CD <qso_date:8>20261128 <time_on:4>0906 <freq:5>1.830 <eor>",
      "log.adi");
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[0].myCall, "Q9XYZ");
  EXPECT_EQ(log.qsos[0].band, "20m");
  EXPECT_EQ(log.qsos[0].exchSent, "417");
  EXPECT_EQ(log.qsos[0].exchRcvd, "123");
  EXPECT_EQ(log.qsos[1].band, "160m");
  EXPECT_EQ(log.qsos[1].myCall, "");  // the contestant's call stands in later
  EXPECT_EQ(log.ownCall, "Q9XYZ");
}

TEST(AdifImport, MalformedInputNamesFileLineAndField) {
  const std::string record = "<call:4>Q2AB <qso_date:8>20261128 <time_on:4>0905 ";
  struct Case {
    std::string text;
    std::string message;
  } cases[] = {
      {"<EOH>\n\n<call:x>Q2AB<eor>", "log.adi:3: CALL: malformed length \"x\""},
      {"<call:>Q2AB<eor>", "log.adi:1: CALL: malformed length \"\""},
      {"<call:99999999999>Q2AB<eor>", "log.adi:1: CALL: malformed length \"99999999999\""},
      {"<call:40>Q2AB<eor>", "log.adi:1: CALL: length 40 runs past the end of the file"},
      {"<call:4>Q2AB\n<eor", "log.adi:2: EOR: tag not closed by '>'"},
      {"<call>Q2AB<eor>", "log.adi:1: CALL: field without a length (<CALL:length>)"},
      {"<:4>Q2AB<eor>", "log.adi:1: field without a name"},
      {"\n" + record, "log.adi:2: CALL: record not ended by <EOR>"},
      {"<call:4>Q2AB<time_on:4>0905<eor>", "log.adi:1: QSO_DATE: missing in this record"},
      {"\n<qso_date:8>20261131<time_on:4>0905<eor>",
       "log.adi:2: QSO_DATE: \"20261131\" is not a date (YYYYMMDD)"},
      {"<qso_date:8>20261128<time_on:4>2460<eor>",
       "log.adi:1: TIME_ON: \"2460\" is not a time (HHMM or HHMMSS)"},
      {record + "<freq:5>7,025<eor>", "log.adi:1: FREQ: \"7,025\" is not a frequency in MHz"},
  };
  for (const Case& c : cases) EXPECT_EQ(errorOf(c.text), c.message) << c.text;
}

TEST(AdifImport, EmptyRecordsAndTrailingTextAreNoQsos) {
  imports::ImportedLog log = importAdif("<eoh><eor><eor>\ntrailing words\n", "log.adi");
  EXPECT_TRUE(log.qsos.empty());
}

}  // namespace
