// The one check of a log takes only the categories the contest ranks by:
// the Cabrillo values, or the definition's own list where it gives one.
#include "crosscheck/category_check.h"

#include <gtest/gtest.h>

#include "crosscheck/category_rules.h"
#include "crosscheck/log_check.h"
#include "import/log_import.h"

namespace {

// What the check makes of a log with `header` lines: the category it is
// ranked in, then each problem.
std::string verdict(const std::string& header, const crosscheck::ContestDefinition& definition) {
  const std::string text = "START-OF-LOG: 3.0\nCALLSIGN: Q1ZVK\n" + header +
                           "\nQSO: 3524 CW 2025-11-29 1200 Q1ZVK 599 417 Q8XB 599 NM\n";
  const crosscheck::CheckedLog checked = crosscheck::readLogToCheck(text, "q1zvk.log", definition);
  std::string result = "[" + imports::categoryLabel(checked.log) + "]";
  for (const imports::LogFileError& problem : checked.problems) {
    result += " line " + std::to_string(problem.line) + ": " + problem.message();
  }
  return result;
}

TEST(CategoryCheck, CategoryLinesAreAcceptedOrRefusedWithTheReason) {
  const struct {
    const char* header;
    const char* verdict;
  } kCases[] = {
      {"CATEGORY-OPERATOR: SINGLE-OP <b>bold</b>",
       "[] line 3: CATEGORY-OPERATOR: \"SINGLE-OP <b>bold</b>\" is not one of SINGLE-OP, "
       "MULTI-OP, MULTI-ONE, CHECKLOG"},
      {"CATEGORY-OPERATOR: multi-one\nCATEGORY-POWER: low", "[MULTI-ONE LOW]"},
      {"CATEGORY-POWER: MEDIUM\nCATEGORY-BAND: 80M",
       "[80M] line 3: CATEGORY-POWER: \"MEDIUM\" is not one of HIGH, LOW, QRP"},
      {"CATEGORY-ASSISTED: NON-ASSISTED\nCATEGORY-STATION: ROVER\nCATEGORY-TRANSMITTER: SWL",
       "[NON-ASSISTED ROVER SWL]"},
      {"CATEGORY-OVERLAY: over-50\nCATEGORY-TIME: 7-HOURS\nCATEGORY-MODE: ",
       "[OVER-50] line 4: CATEGORY-TIME: \"7-HOURS\" is not one of 6-HOURS, 8-HOURS, 12-HOURS, "
       "24-HOURS"},
      {"CATEGORY-COLOUR: RED",
       "[] line 3: CATEGORY-COLOUR: \"RED\" is in no category field this contest ranks by "
       "(CATEGORY-OPERATOR, CATEGORY-ASSISTED, CATEGORY-BAND, CATEGORY-MODE, CATEGORY-POWER, "
       "CATEGORY-STATION, CATEGORY-TRANSMITTER, CATEGORY-OVERLAY, CATEGORY-TIME)"},
      {"CATEGORY: SINGLE-OP ALL HIGH", "[SINGLE-OP ALL HIGH]"},
      {"CATEGORY: SO-40M-CW-LOW",
       "[] line 3: CATEGORY: \"SO-40M-CW-LOW\" is in no category field this contest ranks by "
       "(CATEGORY-OPERATOR, CATEGORY-ASSISTED, CATEGORY-BAND, CATEGORY-MODE, CATEGORY-POWER, "
       "CATEGORY-STATION, CATEGORY-TRANSMITTER, CATEGORY-OVERLAY, CATEGORY-TIME)"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(verdict(c.header, crosscheck::zvkCwDefinition()), c.verdict) << c.header;
  }
}

TEST(CategoryCheck, DefinitionListsReplaceTheCabrilloValuesOfTheirFields) {
  crosscheck::ContestDefinition definition = crosscheck::zvkCwDefinition();
  definition.categories = *crosscheck::parseCategoryLists("power: high qrp , band:ALL");
  EXPECT_EQ(verdict("CATEGORY-POWER: LOW\nCATEGORY-BAND: 80M\nCATEGORY-MODE: CW", definition),
            "[CW] line 3: CATEGORY-POWER: \"LOW\" is not one of HIGH, QRP"
            " line 4: CATEGORY-BAND: \"80M\" is not one of ALL");
  EXPECT_EQ(verdict("CATEGORY-OPERATOR: MULTI-OP", definition), "[MULTI-OP]");
}

TEST(CategoryCheck, CategoriesKeyNamesEachCabrilloFieldOnceWithValues) {
  const struct {
    const char* text;
    bool valid;
  } kCases[] = {
      {"operator:SINGLE-OP CHECKLOG,time:6-HOURS", true},
      {"OVERLAY:ROOKIE", true},
      {"colour:RED", false},
      {"power:HIGH,power:LOW", false},
      {"power:", false},
      {"power HIGH", false},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(crosscheck::parseCategoryLists(c.text).has_value(), c.valid) << c.text;
  }
}

}  // namespace
