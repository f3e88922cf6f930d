// A 2.0 log's one CATEGORY: line read as the 3.0 fields it says, and an ADIF
// log's category carried in its header.
#include "import/cabrillo_categories.h"

#include <gtest/gtest.h>

#include "import/log_import.h"

namespace {

std::string fieldsText(const std::vector<imports::HeaderValue>& fields) {
  std::string text;
  for (const imports::HeaderValue& field : fields) {
    text += (text.empty() ? "" : " ") + field.tag + "=" + field.value + "@" +
            std::to_string(field.line);
  }
  return text;
}

TEST(CabrilloCategories, OldCategoryLineIsReadAsTheNewFields) {
  const struct {
    const char* line;
    const char* fields;
  } kCases[] = {
      {"CATEGORY: SINGLE-OP ALL HIGH",
       "CATEGORY-OPERATOR=SINGLE-OP@2 CATEGORY-BAND=ALL@2 CATEGORY-POWER=HIGH@2"},
      {"CATEGORY: single-op-assisted 20m low",
       "CATEGORY-OPERATOR=SINGLE-OP@2 CATEGORY-ASSISTED=ASSISTED@2 CATEGORY-BAND=20M@2 "
       "CATEGORY-POWER=LOW@2"},
      {"CATEGORY: MULTI-MULTI ALL HIGH",
       "CATEGORY-OPERATOR=MULTI-OP@2 CATEGORY-TRANSMITTER=UNLIMITED@2 CATEGORY-BAND=ALL@2 "
       "CATEGORY-POWER=HIGH@2"},
      {"CATEGORY: MULTI-ONE\tALL  QRP",
       "CATEGORY-OPERATOR=MULTI-OP@2 CATEGORY-TRANSMITTER=ONE@2 CATEGORY-BAND=ALL@2 "
       "CATEGORY-POWER=QRP@2"},
      {"CATEGORY: SCHOOL-CLUB CW", "CATEGORY-STATION=SCHOOL@2 CATEGORY-MODE=CW@2"},
      {"CATEGORY: SINGLE-OP-PORTABLE", "CATEGORY-OPERATOR=SINGLE-OP@2 CATEGORY-STATION=PORTABLE@2"},
      {"CATEGORY: CHECKLOG", "CATEGORY-OPERATOR=CHECKLOG@2"},
      // A word of no field is kept as the 2.0 line's, for the check to refuse.
      {"CATEGORY: SO-40M-CW-LOW", "CATEGORY=SO-40M-CW-LOW@2"},
      {"CATEGORY:", ""},
  };
  for (const auto& c : kCases) {
    const std::string text = std::string("START-OF-LOG: 2.0\n") + c.line +
                             "\nQSO: 3524 CW 2025-11-29 1200 Q1ZVK 599 417 Q8XB 599 NM\n";
    EXPECT_EQ(fieldsText(imports::importLog(text, "old.cbr").categories), c.fields) << c.line;
  }
}

// The robot writes an ADIF log's corrected header as application fields.
TEST(CabrilloCategories, AdifHeaderFieldsGiveTheCategoryAndCall) {
  const std::string text =
      "made by hand\n<APP_ZVK_CATEGORY_OPERATOR:9>SINGLE-OP <APP_ZVK_CALLSIGN:5>Q1ZVK\n"
      "<APP_ZVK_SOAPBOX:3>73!<PROGRAMID:3>ABC<EOH>\n"
      "<CALL:4>Q8XB<QSO_DATE:8>20251129<TIME_ON:4>1200<BAND:3>80M<MODE:2>CW<EOR>\n";
  const imports::ImportedLog log = imports::importLog(text, "log.adi");
  EXPECT_EQ(fieldsText(log.categories), "CATEGORY-OPERATOR=SINGLE-OP@2");
  EXPECT_EQ(log.ownCall, "Q1ZVK");
  EXPECT_EQ(fieldsText(log.otherHeader), "SOAPBOX=73!@3");
}

}  // namespace
