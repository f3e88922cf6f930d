// The header corrected on the review page: written into the log as sent,
// every QSO and other line left as it was.
#include "robot/header_corrections.h"

#include <gtest/gtest.h>

#include <map>

#include "import/log_import.h"

namespace robot {
namespace {

// The review form's header: these values, every other field empty.
std::vector<imports::HeaderValue> form(const std::map<std::string, std::string>& given) {
  return headerFromForm([&](const std::string& tag) {
    auto found = given.find(tag);
    return found == given.end() ? std::string() : found->second;
  });
}

constexpr char kQso[] = "QSO:  3524 CW 2025-11-29 1200 Q1ZVK 599 417 Q8XB 599 NM";

TEST(HeaderCorrections, CabrilloHeaderLinesAreReplacedAfterStartOfLog) {
  const std::string sent = std::string("START-OF-LOG: 3.0\r\nCALLSIGN: Q1ZVK\r\n") +
                           "CATEGORY: SO-40M-CW-LOW\r\nCATEGORY-OPERATOR: SINGLE-OP <b>\r\n"
                           "NAME: Ann\r\nSoapbox: old\r\n" +
                           kQso + "\r\nEND-OF-LOG:\r\n";
  const std::string kept =
      correctedLog(sent, form({{"CALLSIGN", " Q1ZVK "},
                               {"CATEGORY-OPERATOR", "SINGLE-OP"},
                               {"CATEGORY-POWER", "LOW"},
                               {"CLUB", "Q Club\r\nCLAIMED-SCORE: 9"},
                               {"SOAPBOX", "  Fine bands.\r\n\r\n<script>x</script>\r\n"}}));
  EXPECT_EQ(kept, std::string("START-OF-LOG: 3.0\r\nCALLSIGN: Q1ZVK\r\n") +
                      "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-POWER: LOW\r\n"
                      "CLUB: Q Club  CLAIMED-SCORE: 9\r\nSOAPBOX: Fine bands.\r\n"
                      "SOAPBOX: <script>x</script>\r\nNAME: Ann\r\n" +
                      kQso + "\r\nEND-OF-LOG:\r\n");
}

TEST(HeaderCorrections, AdifGetsTheHeaderAsApplicationFieldsAndReadsThemBack) {
  const std::string record =
      "<CALL:4>Q8XB<QSO_DATE:8>20251129<TIME_ON:4>1200<BAND:3>80M<MODE:2>CW<EOR>\n";
  const std::map<std::string, std::string> given = {{"CATEGORY-OPERATOR", "SINGLE-OP"},
                                                    {"CALLSIGN", "Q1ZVK"}};
  EXPECT_EQ(correctedLog(record, form(given)),
            "Header corrected on the log robot's review page\n<APP_ZVK_CALLSIGN:5>Q1ZVK\n"
            "<APP_ZVK_CATEGORY_OPERATOR:9>SINGLE-OP\n<EOH>\n" +
                record);
  const std::string withHeader = "logger\n<PROGRAMID:1>X<eoh>\n" + record;
  const std::string kept = correctedLog(withHeader, form(given));
  EXPECT_EQ(kept,
            "logger\n<PROGRAMID:1>X<APP_ZVK_CALLSIGN:5>Q1ZVK\n"
            "<APP_ZVK_CATEGORY_OPERATOR:9>SINGLE-OP\n<eoh>\n" +
                record);
  EXPECT_EQ(imports::categoryLabel(imports::importLog(kept, "log.adi")), "SINGLE-OP");
}

// Sent back as read, the log is kept byte for byte: the receipt's digest is
// of what the operator's file holds.
TEST(HeaderCorrections, HeaderSentBackAsReadLeavesTheLogAsSent) {
  const std::string sent = std::string("START-OF-LOG: 3.0\nCALLSIGN: q1zvk\nCLUB:  Q Club\n") +
                           "CATEGORY: SINGLE-OP ALL HIGH\nSOAPBOX: a\nSOAPBOX: b\n" + kQso + "\n";
  const imports::ImportedLog log = imports::importLog(sent, "log.cbr");
  EXPECT_EQ(correctedLog(sent, form({{"CALLSIGN", headerValue(log, "CALLSIGN")},
                                     {"CATEGORY-OPERATOR", "SINGLE-OP"},
                                     {"CATEGORY-BAND", "ALL"},
                                     {"CATEGORY-POWER", "HIGH"},
                                     {"CLUB", headerValue(log, "CLUB")},
                                     {"SOAPBOX", headerValue(log, "SOAPBOX")}})),
            sent);
}

}  // namespace
}  // namespace robot
