#include "pages/hourly_charts.h"

#include <algorithm>

#include "import/utc_time.h"

namespace pages {
namespace {

constexpr char kHourHeading[] = "Hour (UTC)";
constexpr char kNoBand[] = "no band";

// Every entrant's rate chart spans the contest's hours, and a date takes long
// to format: the labels last made by this thread are kept for the next chart.
const std::vector<std::string>& hourLabels(std::int64_t firstHour, std::size_t count) {
  thread_local std::int64_t lastFirstHour = 0;
  thread_local std::vector<std::string> labels;
  if (labels.size() != count || lastFirstHour != firstHour) {
    labels.clear();
    for (std::size_t i = 0; i < count; ++i) labels.push_back(imports::formatHour(firstHour + i));
    lastFirstHour = firstHour;
  }
  return labels;
}

std::size_t seriesFor(std::string_view band, std::size_t hours, ChartData* chart) {
  std::string_view name = band.empty() ? kNoBand : band;
  for (std::size_t i = 0; i < chart->series.size(); ++i) {
    if (chart->series[i].name == name) return i;
  }
  chart->series.push_back({std::string(name), std::vector<long>(hours, 0)});
  return chart->series.size() - 1;
}

}  // namespace

std::vector<HourlyQso> hourlyQsos(const std::vector<imports::ImportedLog>& logs) {
  std::vector<HourlyQso> qsos;
  for (const imports::ImportedLog& log : logs) {
    for (const imports::Qso& qso : log.qsos) {
      qsos.push_back({imports::hourOf(imports::minuteOf(qso.time)), qso.band});
    }
  }
  return qsos;
}

ChartData qsoRateChart(const std::vector<HourlyQso>& qsos, std::int64_t firstHour,
                       std::int64_t lastHour, const std::vector<std::string>& bandOrder) {
  std::size_t hours =
      lastHour >= firstHour ? static_cast<std::size_t>(lastHour - firstHour + 1) : 0;
  ChartData chart{"QSOs per hour, by band", kHourHeading, "QSOs", hourLabels(firstHour, hours), {}};
  for (const std::string& band : bandOrder) seriesFor(band, hours, &chart);
  for (const HourlyQso& qso : qsos) {
    if (qso.hour < firstHour || qso.hour > lastHour) continue;
    ++chart.series[seriesFor(qso.band, hours, &chart)].values[qso.hour - firstHour];
  }
  return chart;
}

ChartData scoreGrowthChart(const std::vector<long>& scoreAfterHour, std::int64_t firstHour) {
  return {"Claimed score at the end of each hour",
          kHourHeading,
          "points",
          hourLabels(firstHour, scoreAfterHour.size()),
          {{"Score", scoreAfterHour}}};
}

}  // namespace pages
