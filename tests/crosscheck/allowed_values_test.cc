#include "crosscheck/allowed_values.h"

#include <gtest/gtest.h>

#include "errors/tool_error.h"
#include "tests/support/temp_dir.h"

namespace crosscheck {
namespace {

constexpr char kRegions[] =
    "# the sprint's regions\n"
    "OK: PR, st jc\n"
    "OK1: KV   ; a call area with its own list\n"
    "PA, PB: GR FR\n"
    "*: AC R1\n";

TEST(AllowedValuesTest, LooksUpByCountryElseTheListForEveryStation) {
  const AllowedValues allowed = AllowedValues::fromText(kRegions, "regions.txt");
  struct Row {
    const char* country;
    const char* value;
    bool allowed;
  } rows[] = {
      {"OK", "PR", true},  {"OK", "ST", true}, {"OK", "KV", false}, {"OK", "AC", false},
      {"OK1", "KV", true}, {"DL", "AC", true}, {"DL", "PR", false}, {"", "R1", true},
      {"PB", "FR", true},  {"PA", "GR", true},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(allowed.allows(row.country, row.value), row.allowed)
        << row.country << " " << row.value;
  }
  EXPECT_TRUE(allowed.knows("JC"));
  EXPECT_FALSE(allowed.knows("XX"));
  EXPECT_EQ(allowed.countryByPrefix("OK1ABC"), "OK1");
  EXPECT_EQ(allowed.countryByPrefix("OK2ABC"), "OK");
  EXPECT_EQ(allowed.countryByPrefix("DL1ABC"), "");
}

TEST(AllowedValuesTest, RejectsABadLineNamingFileLineAndReason) {
  struct Row {
    const char* text;
    const char* message;
  } rows[] = {
      {"OK: PR\nOK PR\n", "r.txt:2: \"OK PR\" is not PREFIX ...: VALUE VALUE ... or *: VALUE ..."},
      {"OK:\n", "r.txt:1: OK: no values"},
      {": PR\n", "r.txt:1: no country prefix before the colon"},
      {"O.K: PR\n", "r.txt:1: \"O.K\" is not a prefix or a value"},
      {"ok: PR\nOK: ST\n", "r.txt:2: OK: given twice"},
      {"*: AC\n*: R1\n", "r.txt:2: *: given twice"},
      {"OK: P.R\n", "r.txt:1: \"P.R\" is not a prefix or a value"},
  };
  for (const Row& row : rows) {
    try {
      AllowedValues::fromText(row.text, "r.txt");
      ADD_FAILURE() << row.text;
    } catch (const errors::ToolError& error) {
      EXPECT_EQ(error.what(), std::string(row.message));
      EXPECT_EQ(error.kind(), errors::ErrorKind::kBadDefinition);
    }
  }
}

class AllowedValuesFileTest : public testing_support::TempDirTest {};

TEST_F(AllowedValuesFileTest, ReadsAFileAndNamesOneThatIsMissing) {
  testing_support::writeFile("regions.txt", kRegions);
  EXPECT_TRUE(AllowedValues::read("regions.txt").allows("OK", "JC"));
  try {
    AllowedValues::read("none.txt");
    ADD_FAILURE();
  } catch (const errors::ToolError& error) {
    EXPECT_EQ(error.what(), std::string("none.txt: cannot read: No such file or directory"));
    EXPECT_EQ(error.kind(), errors::ErrorKind::kIo);
  }
}

}  // namespace
}  // namespace crosscheck
