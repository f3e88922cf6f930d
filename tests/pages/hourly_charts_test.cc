#include "pages/hourly_charts.h"

#include <gtest/gtest.h>

namespace {

// 2025-11-29 12:00 UTC, in hours since the OLE epoch.
constexpr std::int64_t kNoon = 45990LL * 24 + 12;

std::vector<std::vector<long>> valuesOf(const pages::ChartData& chart) {
  std::vector<std::vector<long>> values;
  for (const pages::Series& series : chart.series) values.push_back(series.values);
  return values;
}

std::vector<std::string> namesOf(const pages::ChartData& chart) {
  std::vector<std::string> names;
  for (const pages::Series& series : chart.series) names.push_back(series.name);
  return names;
}

TEST(HourlyChartsTest, CountsEachHourByBandInTheGivenOrderThenAsMet) {
  std::vector<pages::HourlyQso> qsos = {
      {kNoon, "40m"},     {kNoon + 2, "80m"}, {kNoon + 2, "80m"}, {kNoon, "160m"},
      {kNoon - 1, "80m"}, {kNoon + 3, "40m"}, {kNoon + 1, ""},
  };
  pages::ChartData chart = pages::qsoRateChart(qsos, kNoon, kNoon + 2, {"80m", "40m", "20m"});
  EXPECT_EQ(chart.labels, (std::vector<std::string>{"11-29 12:00", "11-29 13:00", "11-29 14:00"}));
  EXPECT_EQ(namesOf(chart), (std::vector<std::string>{"80m", "40m", "20m", "160m", "no band"}));
  EXPECT_EQ(valuesOf(chart), (std::vector<std::vector<long>>{
                                 {0, 0, 2}, {1, 0, 0}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}}));
}

TEST(HourlyChartsTest, ScoreGrowthHasOnePointAnHourAcrossMidnight) {
  pages::ChartData chart = pages::scoreGrowthChart({5, 5, 12}, kNoon + 11);
  EXPECT_EQ(chart.labels, (std::vector<std::string>{"11-29 23:00", "11-30 00:00", "11-30 01:00"}));
  EXPECT_EQ(valuesOf(chart), (std::vector<std::vector<long>>{{5, 5, 12}}));
}

// Charts made one after another, each over its own hours: the same count
// from another hour, and another count from the same hour.
TEST(HourlyChartsTest, EachChartIsLabelledWithItsOwnHours) {
  struct Case {
    std::int64_t firstHour;
    std::vector<long> scores;
    std::vector<std::string> labels;
  };
  const Case kCases[] = {
      {kNoon, {1, 2}, {"11-29 12:00", "11-29 13:00"}},
      {kNoon + 1, {1, 2}, {"11-29 13:00", "11-29 14:00"}},
      {kNoon + 1, {1}, {"11-29 13:00"}},
      {kNoon + 1, {}, {}},
      {kNoon + 1, {1, 2, 3}, {"11-29 13:00", "11-29 14:00", "11-29 15:00"}},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(pages::scoreGrowthChart(c.scores, c.firstHour).labels, c.labels) << c.scores.size();
  }
}

}  // namespace
