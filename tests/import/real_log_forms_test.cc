// Logs as real loggers save them: any spacing, a field left out, 8-bit and
// UTF-16 texts, old and new Cabrillo, any file name.
#include <gtest/gtest.h>

#include "import/input_error.h"
#include "import/log_folder.h"
#include "import/log_import.h"
#include "tests/support/temp_dir.h"

namespace {

using imports::FieldRole;

std::string columns(const imports::Qso& q) {
  return q.myCall + " [" + q.rstSent + "] [" + q.exchSent + "] | " + q.call + " [" + q.rstRcvd +
         "] [" + q.exchRcvd + "]";
}

std::string splitLine(const std::string& afterTime, const std::vector<FieldRole>& fields) {
  const std::string text = "CALLSIGN: Q0AR\nQSO: 3534 CW 2017-08-19 0701 " + afterTime + "\n";
  return columns(imports::importLog(text, "q0ar.log", {2, fields}).qsos.at(0));
}

TEST(FieldListLines, AreSplitByTheirTwoCallsWhateverTheSpacing) {
  const std::vector<FieldRole> twoSerials = {FieldRole::kExchange, FieldRole::kExchange};
  const std::vector<FieldRole> reportSerial = {FieldRole::kReport, FieldRole::kExchange};
  struct Case {
    std::vector<FieldRole> fields;
    std::string afterTime;
    std::string columns;
  } cases[] = {
      {twoSerials, "Q0AR 002 002 Q0DN 001 000", "Q0AR [] [002 002] | Q0DN [] [001 000]"},
      {twoSerials, "Q0AR\t002\t002\tQ0DN\t001\t000", "Q0AR [] [002 002] | Q0DN [] [001 000]"},
      {twoSerials, "Q0AR   002 002  \t Q0DN    001  000  ",
       "Q0AR [] [002 002] | Q0DN [] [001 000]"},
      // A field left out on either side: the other tokens keep their half.
      {twoSerials, "Q0AR 041  Q0AP 045 040", "Q0AR [] [041 -] | Q0AP [] [045 040]"},
      {twoSerials, "Q0AR 041 040 Q0AP 045", "Q0AR [] [041 040] | Q0AP [] [045 -]"},
      {twoSerials, "Q0AR Q0AP 045 040", "Q0AR [] [- -] | Q0AP [] [045 040]"},
      // No call where the worked call should stand: never a number.
      {twoSerials, "Q0AR 041 040 045 040", "Q0AR [] [041 040] |  [] [045 040]"},
      // The own call left out, and a transmitter id after two full halves.
      {twoSerials, "041 040 Q0AP 045 040", " [] [041 040] | Q0AP [] [045 040]"},
      {twoSerials, "Q0AR 041 040 Q0AP 045 040 1", "Q0AR [] [041 040] | Q0AP [] [045 040]"},
      {reportSerial, "Q0AR 599 7 Q0AP 599 12", "Q0AR [599] [7] | Q0AP [599] [12]"},
      {reportSerial, "Q0AR 7 Q0AP 599 12", "Q0AR [] [7] | Q0AP [599] [12]"},
      {reportSerial, "Q0AR 599 7 Q0AP 612", "Q0AR [599] [7] | Q0AP [] [612]"},
  };
  for (const Case& c : cases) EXPECT_EQ(splitLine(c.afterTime, c.fields), c.columns) << c.afterTime;
}

class RealLogFormsTest : public testing_support::TempDirTest {};

const char kCabrillo3[] =
    "START-OF-LOG: 3.0\r\ncallsign: q0ar\r\nCATEGORY-OPERATOR: SINGLE-OP\r\n"
    "QSO: 3534 CW 2017-08-19 0701 Q0AR 599 001 Q0DN 599 002\r\nEND-OF-LOG:\r\n";

std::string utf16(const std::string& ascii, bool littleEndian) {
  std::string text = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
  for (char c : ascii) text += littleEndian ? std::string{c, '\0'} : std::string{'\0', c};
  return text;
}

// The header and the QSO as read.
std::string summary(const imports::ImportedLog& log) {
  std::string text = log.ownCall;
  for (const imports::HeaderValue& value : log.categories)
    text += " " + value.tag + "=" + value.value;
  for (const imports::HeaderValue& value : log.otherHeader)
    text += " " + value.tag + "=" + value.value;
  for (const imports::Qso& qso : log.qsos)
    text += " | " + std::to_string(qso.line) + " " + columns(qso);
  return text;
}

TEST_F(RealLogFormsTest, EveryEncodingAndCabrilloVersionReadsAlike) {
  auto qso = [](int line) {
    return " | " + std::to_string(line) + " Q0AR [599] [001] | Q0DN [599] [002]";
  };
  struct Case {
    std::string file;
    std::string text;
    std::string read;
  } cases[] = {
      {"q0ar.log", kCabrillo3,
       "q0ar CATEGORY-OPERATOR=SINGLE-OP START-OF-LOG=3.0 END-OF-LOG=" + qso(4)},
      {"Q0AR.LOG", utf16(kCabrillo3, true),
       "q0ar CATEGORY-OPERATOR=SINGLE-OP START-OF-LOG=3.0 END-OF-LOG=" + qso(4)},
      {"q0ar.cbr", utf16(kCabrillo3, false),
       "q0ar CATEGORY-OPERATOR=SINGLE-OP START-OF-LOG=3.0 END-OF-LOG=" + qso(4)},
      {"Q0AR.CBR",
       "START-OF-LOG: 2.0\nCALLSIGN: Q0AR\nCATEGORY: SINGLE-OP ALL LOW\nNAME: \xC8\xE2\xE0\xED\n"
       "QSO: 3534 CW 2017-08-19 0701 Q0AR 599 001 Q0DN 599 002\n",
       "Q0AR CATEGORY-OPERATOR=SINGLE-OP CATEGORY-BAND=ALL CATEGORY-POWER=LOW START-OF-LOG=2.0 "
       "NAME=\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD" +
           qso(5)},
      {"q0ar.txt",
       "START-OF-LOG: 3.0\nCALLSIGN: Q0AR\nNAME: M\xFCller\n\n"
       "QSO: 3534 CW 2017-08-19 0701 Q0AR 599 001 Q0DN 599 002\n",
       "Q0AR START-OF-LOG=3.0 NAME=M\xC3\xBCller" + qso(5)},
  };
  for (const Case& c : cases) testing_support::writeFile(c.file, c.text);
  const std::vector<std::string> files = imports::listLogFiles({"."});
  ASSERT_EQ(files.size(), std::size(cases));
  for (const Case& c : cases) {
    EXPECT_EQ(summary(imports::readLogFile("./" + c.file)), c.read) << c.file;
  }
}

TEST_F(RealLogFormsTest, BrokenUtf16IsNamedNotGuessed) {
  testing_support::writeFile("q0ar.log", utf16(kCabrillo3, true) + "x");
  try {
    imports::readLogFile("q0ar.log");
    FAIL() << "read";
  } catch (const errors::ToolError& error) {
    EXPECT_STREQ(error.what(), "q0ar.log: not valid UTF-16 after its byte-order mark");
  }
}

}  // namespace
