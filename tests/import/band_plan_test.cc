#include "import/band_plan.h"

#include <gtest/gtest.h>

namespace {

TEST(BandPlan, NamesTheBandOfAFrequencyIncludingItsEdges) {
  struct Case {
    std::uint64_t hz;
    const char* band;
  } cases[] = {
      {3500000, "80m"},    {3999999, "80m"},  {7000000, "40m"},     {7300000, "40m"},
      {7300001, ""},       {14025500, "20m"}, {21450000, "15m"},    {28000000, "10m"},
      {29700000, "10m"},   {1830000, "160m"}, {10120000, "30m"},    {18100000, "17m"},
      {24900000, "12m"},   {5355000, "60m"},  {50100000, "6m"},     {144300000, "2m"},
      {432200000, "70cm"}, {0, ""},           {10368000000, "3cm"}, {6999999, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(imports::bandFromFrequency(c.hz), c.band) << c.hz;
}

TEST(BandPlan, ReadsCabrilloBandDesignations) {
  EXPECT_EQ(imports::cabrilloBandEdge("50"), 50000000u);
  EXPECT_EQ(imports::cabrilloBandEdge("432"), 420000000u);
  EXPECT_EQ(imports::cabrilloBandEdge("1.2g"), 1240000000u);
  EXPECT_EQ(imports::cabrilloBandEdge("light"), 300000000000u);
  EXPECT_EQ(imports::cabrilloBandEdge("7025"), std::nullopt);
  EXPECT_EQ(imports::bandFromFrequency(*imports::cabrilloBandEdge("1.2G")), "23cm");
}

TEST(BandPlan, ParsesDecimalFrequenciesExactly) {
  EXPECT_EQ(imports::parseScaledFrequency("7.03475", 6), 7034750u);
  EXPECT_EQ(imports::parseScaledFrequency("14.0255001", 6), 14025500u);  // below 1 Hz dropped
  EXPECT_EQ(imports::parseScaledFrequency("3.5", 6), 3500000u);
  EXPECT_EQ(imports::parseScaledFrequency("7025", 3), 7025000u);
  EXPECT_EQ(imports::parseScaledFrequency(".5", 3), 500u);
  EXPECT_EQ(imports::parseScaledFrequency("", 3), std::nullopt);
  EXPECT_EQ(imports::parseScaledFrequency(".", 3), std::nullopt);
  EXPECT_EQ(imports::parseScaledFrequency("7.0.1", 6), std::nullopt);
  EXPECT_EQ(imports::parseScaledFrequency("-7", 6), std::nullopt);
  EXPECT_EQ(imports::parseScaledFrequency("99999999999999999999", 6), std::nullopt);
}

}  // namespace
