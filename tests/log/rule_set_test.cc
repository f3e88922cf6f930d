#include "log/rule_set.h"

#include <gtest/gtest.h>

namespace {

TEST(RuleSet, ZvkCwPointsGoByTheExactExchangeReceived) {
  const rules::PointsRule& points = rules::zvkCwRules().points;
  struct Case {
    const char* exchange;
    int points;
  } cases[] = {{"NM", 1}, {"417", 5}, {"nm", 5}, {"NM ", 5}, {"", 5}};
  for (const Case& c : cases) EXPECT_EQ(points.pointsFor(c.exchange), c.points) << c.exchange;
}

TEST(RuleSet, DupesRepeatWithinTheHoursOrAnywhereOnTheBand) {
  const rules::DupeRule withinFour = rules::zvkCwRules().dupe;
  const rules::DupeRule oncePerBand{rules::DupeRule::Kind::kOncePerBand, 0};
  struct Case {
    const rules::DupeRule& rule;
    std::int64_t later, earlier;
    bool repeats;
  } cases[] = {
      {withinFour, 100, 100, true},  {withinFour, 103, 100, true},
      {withinFour, 104, 100, false}, {withinFour, 24 * 400, 24 * 400 - 3, true},
      {oncePerBand, 100, 100, true}, {oncePerBand, 100 + 24 * 365, 100, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.rule.repeats(c.later, c.earlier), c.repeats) << c.later << " after " << c.earlier;
  }
}

TEST(RuleSet, BandsAndModesMatchIgnoringCase) {
  const rules::RuleSet& zvk = rules::zvkCwRules();
  struct Case {
    const char* text;
    bool band, mode;
  } cases[] = {{"80m", true, false}, {"10M", true, false}, {"160m", false, false},
               {"cw", false, true},  {"CW", false, true},  {"SSB", false, false},
               {"", false, false},   {"80", false, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(zvk.hasBand(c.text), c.band) << c.text;
    EXPECT_EQ(zvk.hasMode(c.text), c.mode) << c.text;
  }
}

}  // namespace
