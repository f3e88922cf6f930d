#include "import/log_import.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "import/input_error.h"
#include "tests/support/temp_dir.h"

namespace {

using imports::LogFormat;

TEST(LogFormatDetection, GoesByContentNotName) {
  struct Case {
    std::string text;
    LogFormat format;
  } cases[] = {
      {"<ADIF_VER:5>3.1.4<EOH>", LogFormat::kAdif},
      {"\xEF\xBB\xBF  \r\n<call:4>Q2AB<eor>", LogFormat::kAdif},
      {"Exported by hand\n<eoh>\n", LogFormat::kAdif},
      {"free text only, <call:4>Q2AB <EoR>", LogFormat::kAdif},
      {"START-OF-LOG: 3.0\nQSO: 7025 CW\n<eor>", LogFormat::kCabrillo},
      {"start-of-log: 2.0\n", LogFormat::kCabrillo},
      {"CALLSIGN: Q1ZVK\n  qso: 7025 CW 2026-11-28 1203 Q1ZVK Q2AB\n", LogFormat::kCabrillo},
      {"Q2AB 599 NM\nQ3CD 599 12\n", LogFormat::kUnknown},
      {"", LogFormat::kUnknown},
      {std::string("\0\x01\xff", 3), LogFormat::kUnknown},
  };
  for (const Case& c : cases) EXPECT_EQ(imports::detectLogFormat(c.text), c.format) << c.text;
}

class LogFileTest : public testing_support::TempDirTest {};

std::string errorReading(const std::string& path) {
  try {
    imports::readLogFile(path);
  } catch (const errors::ToolError& error) {
    return error.what();
  }
  return "no error";
}

TEST_F(LogFileTest, UnreadableEmptyAndUnknownFilesAreErrors) {
  testing_support::writeFile("empty.log", " \r\n");
  testing_support::writeFile("notes.txt", "worked Q2AB on 40m\n");
  std::filesystem::create_directory("folder.adi");
  EXPECT_EQ(errorReading("missing.adi"), "missing.adi: cannot read: No such file or directory");
  EXPECT_EQ(errorReading("folder.adi"), "folder.adi: cannot read: Is a directory");
  EXPECT_EQ(errorReading("empty.log"), "empty.log: the file is empty");
  EXPECT_EQ(errorReading("notes.txt"),
            "notes.txt: unknown format: neither ADIF (<EOH>, <EOR>) nor Cabrillo "
            "(START-OF-LOG:, QSO: lines)");
}

TEST_F(LogFileTest, ReadsEitherFormatWhateverItsExtension) {
  testing_support::writeFile("log.txt",
                             "<call:4>Q2AB<qso_date:8>20261128<time_on:4>1203<freq:5>7.025<eor>");
  testing_support::writeFile("log.adi", "QSO: 7025 CW 2026-11-28 1203 Q1ZVK 599 1 Q2AB 599 2\n");
  imports::ImportedLog adif = imports::readLogFile("log.txt");
  imports::ImportedLog cabrillo = imports::readLogFile("log.adi");
  ASSERT_EQ(adif.qsos.size(), 1u);
  ASSERT_EQ(cabrillo.qsos.size(), 1u);
  EXPECT_EQ(adif.fileName, "log.txt");
  EXPECT_EQ(adif.qsos[0].band, cabrillo.qsos[0].band);
  EXPECT_EQ(adif.qsos[0].time.m_dt, cabrillo.qsos[0].time.m_dt);
}

TEST_F(LogFileTest, ReadLogGivesTheLogAndEveryProblemAsData) {
  testing_support::writeFile("good.cbr", "QSO: 3524 CW 2025-11-29 1200 Q1ZVK 599 417 Q8XB 599\n");
  testing_support::writeFile(
      "bad.cbr",
      "START-OF-LOG: 3.0\nQSO: 3524 CW 2025-11-29 1200 Q1ZVK 599 417 Q8XB 599\n"
      "QSO: 3524 CW 2025-11-29 12h1 Q1ZVK 599 417 Q2AB 599 NM\n"
      "QSO: 3524 CW 2025-11-29 1202 Q1ZVK 599 417 Q2AB 599 NM\n"
      "QSO: 35x4 CW 2025-11-29 1203 Q1ZVK 599 417 Q3AB 599 NM\n");
  testing_support::writeFile("header.cbr", "START-OF-LOG: 3.0\nCALLSIGN: Q1ZVK\nEND-OF-LOG:\n");
  testing_support::writeFile("README.md",
                             "Send the log as ADIF, records ended by <EOR>, or as Cabrillo.\n");
  struct Case {
    std::string file;
    std::size_t qsos;
    std::string problems;  // each "file|line|field|reason;"
  } cases[] = {
      {"good.cbr", 1, ""},
      {"bad.cbr", 2,
       "bad.cbr|3|time|\"12h1\" is not a time (HHMM);"
       "bad.cbr|5|frequency|\"35x4\" is not a frequency in kHz;"},
      {"header.cbr", 0,
       "header.cbr|0||no QSO: not a log (neither a QSO: line nor an ADIF record);"},
      {"README.md", 0, "README.md|0||no QSO: not a log (neither a QSO: line nor an ADIF record);"},
  };
  for (const Case& c : cases) {
    imports::LogReading reading = imports::readLog(imports::readLogText(c.file), c.file);
    auto noQso = imports::noQsoProblem(reading.log);
    if (reading.problems.empty() && noQso) reading.problems.push_back(*noQso);
    std::string problems;
    for (const imports::LogFileError& e : reading.problems) {
      problems += e.file + "|" + std::to_string(e.line) + "|" + e.field + "|" + e.reason + ";";
    }
    EXPECT_EQ(problems, c.problems) << c.file;
    EXPECT_EQ(reading.log.qsos.size(), c.qsos) << c.file;
  }
}

TEST(EntrantCall, IsTheLogsOwnCallElseTheFileNameBeforeItsFirstDot) {
  imports::ImportedLog log;
  log.fileName = "logs/q1zvk.2025.cbr";
  EXPECT_EQ(imports::entrantCall(log), "Q1ZVK");
  log.fileName = "q2ab";
  EXPECT_EQ(imports::entrantCall(log), "Q2AB");
  log.ownCall = "Q8XB";
  EXPECT_EQ(imports::entrantCall(log), "Q8XB");
}

}  // namespace
