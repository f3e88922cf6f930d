#include "countries/call_shape.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CallShape, TakesCallsWithTheirPortableForms) {
  for (const char* call :
       {"Q1ZVK", "G3ABC", "I44Z", "4U1ITU", "2E0ABC", "3DA0RU", "9A1A", "GB100RSGB", "DL/G3ABC",
        "G3ABC/P", "G3ABC/MM", "K1ABC/4", "KH6/W1ABC", "DL/G3ABC/P", "W1ABC/QRP"}) {
    EXPECT_EQ(countries::callShapeProblem(call), std::nullopt) << call;
  }
}

TEST(CallShape, RefusesWhatNoStationSignsAndSaysWhy) {
  const std::string kCharacters = "holds characters other than letters, digits and /";
  const std::string kParts = "has an empty or overlong part between slashes";
  const std::string kNoCall =
      "has no licensed call (a prefix, a digit, then letters, such as G3ABC) among its parts";
  const struct {
    const char* call;
    std::string problem;
  } cases[] = {
      {"../../ETC/PASSWD", kCharacters},
      {".Q1AB", kCharacters},
      {"Q1AB_P", kCharacters},
      {"Q1 AB", kCharacters},
      {"Q1AB/", kParts},
      {"/Q1AB", kParts},
      {"Q1AB//P", kParts},
      {"Q1ABCDEFGHIJK", kParts},
      {"DL/Q1AB/P/QRP", "has more than two slashes"},
      {"ETCPASSWD", kNoCall},
      {"Q1AB1", kNoCall},
      {"123ABC", kNoCall},
      {"ABCD1EF", kNoCall},
      {"Q12345A", kNoCall},
      {"DL/P", kNoCall},
  };
  for (const auto& c : cases) EXPECT_EQ(countries::callShapeProblem(c.call), c.problem) << c.call;
}

}  // namespace
