#include "countries/wpx_prefix.h"

#include <gtest/gtest.h>

namespace {

TEST(WpxPrefix, FollowsThePublishedRules) {
  struct Case {
    const char* call;
    const char* prefix;
  } cases[] = {
      // Up to the last digit before the final letters.
      {"N8BJQ", "N8"},
      {"W8ABC", "W8"},
      {"WD8ABC", "WD8"},
      {"HG1ABC", "HG1"},
      {"HG19ABC", "HG19"},
      {"OE25ABC", "OE25"},
      {"9A1AA", "9A1"},
      {"2E0ABC", "2E0"},
      {" n8bjq ", "N8"},
      // No digit: a 0 after the first two letters.
      {"XEFTJW", "XE0"},
      // A designator counts, given a 0 when it has none.
      {"N8BJQ/KH9", "KH9"},
      {"KH9/N8BJQ", "KH9"},
      {"PA/N8BJQ", "PA0"},
      {"F/G3ABC", "F0"},
      {"DL/N8BJQ/P", "DL0"},
      // Operating marks and licence classes are no prefix.
      {"N8BJQ/P", "N8"},
      {"N8BJQ/M", "N8"},
      {"N8BJQ/MM", "N8"},
      {"N8BJQ/AM", "N8"},
      {"N8BJQ/A", "N8"},
      {"N8BJQ/E", "N8"},
      {"N8BJQ/J", "N8"},
      {"N8BJQ/QRP", "N8"},
      {"N8BJQ/AG", "N8"},
      // A digit behind the call replaces its call area.
      {"W1ABC/4", "W4"},
      {"N8BJQ/4/P", "N4"},
      {"HG19ABC/3", "HG3"},
      {"XEFTJW/4", "XE4"},
      {"", ""},
      {"/P", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(countries::wpxPrefix(c.call), c.prefix) << c.call;
}

}  // namespace
