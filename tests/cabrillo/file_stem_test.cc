#include "cabrillo/file_stem.h"

#include <gtest/gtest.h>

namespace {

struct StemCase {
  const char* callsign;
  const char* stem;
};

TEST(FileStemTest, SeparatorsBecomeUnderscoresAndBlanksAreTrimmed) {
  const StemCase cases[] = {
      {"Q1QQQ", "Q1QQQ"},
      {"Q1/QQ1QQ/P", "Q1_QQ1QQ_P"},
      {"Q1\\QQ1QQ", "Q1_QQ1QQ"},
      {"  Q1QQQ \t", "Q1QQQ"},
      {" /Q1 ", "_Q1"},
      {"", "VOXA"},
      {"   ", "VOXA"},
      {"\t\r\n", "VOXA"},
      {"..", ".."},
      {"../../etc", ".._.._etc"},
  };
  for (const StemCase& c : cases) {
    EXPECT_EQ(cabrillo::makeFileStem(c.callsign).str(), c.stem) << "call \"" << c.callsign << "\"";
  }
}

TEST(FileStemTest, CharactersFileNamesRejectBecomeUnderscores) {
  const StemCase cases[] = {
      {"A<B>C", "A_B_C"},       {"Q1:X", "Q1_X"},  {"Q1\"X|Y", "Q1_X_Y"}, {"Q1?*", "Q1__"},
      {"Q1\x01X\x1f", "Q1_X_"}, {"C:\\x", "C__x"}, {"Q1 QQ", "Q1 QQ"},
  };
  for (const StemCase& c : cases) {
    EXPECT_EQ(cabrillo::makeFileStem(c.callsign).str(), c.stem) << "call \"" << c.callsign << "\"";
  }
}

TEST(FileStemTest, DeviceNamesGetAnUnderscore) {
  const StemCase cases[] = {
      {"CON", "CON_"},    {"con", "con_"},     {"Prn", "Prn_"},       {"AUX", "AUX_"},
      {"NUL", "NUL_"},    {"COM1", "COM1_"},   {"com9", "com9_"},     {"LPT1", "LPT1_"},
      {"LPT9", "LPT9_"},  {"CON.X", "CON_.X"}, {"nul .x", "nul_ .x"}, {"COM0", "COM0"},
      {"COM10", "COM10"}, {"CONX", "CONX"},    {"XCON", "XCON"},      {"Q1/CON", "Q1_CON"},
  };
  for (const StemCase& c : cases) {
    EXPECT_EQ(cabrillo::makeFileStem(c.callsign).str(), c.stem) << "call \"" << c.callsign << "\"";
  }
}

}  // namespace
