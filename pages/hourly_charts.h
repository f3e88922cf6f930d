#ifndef ZVK_PAGES_HOURLY_CHARTS_H_
#define ZVK_PAGES_HOURLY_CHARTS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "import/qso.h"
#include "pages/chart_data.h"

namespace pages {

// A QSO as the rate chart needs it: its hour (whole hours on the full date,
// as the plug-in's dupe rule counts them) and its band.
struct HourlyQso {
  std::int64_t hour = 0;
  std::string_view band;  // the log's own text, which outlives the chart's making
};

// Every QSO of the logs, in file order, by hour and band.
std::vector<HourlyQso> hourlyQsos(const std::vector<imports::ImportedLog>& logs);

// QSOs per hour from `firstHour` to `lastHour`, stacked by band: the bands of
// `bandOrder` first, then any other in the order met. QSOs outside those
// hours are left out.
ChartData qsoRateChart(const std::vector<HourlyQso>& qsos, std::int64_t firstHour,
                       std::int64_t lastHour, const std::vector<std::string>& bandOrder);

// The score after each hour from `firstHour` on, one value an hour.
ChartData scoreGrowthChart(const std::vector<long>& scoreAfterHour, std::int64_t firstHour);

}  // namespace pages

#endif  // ZVK_PAGES_HOURLY_CHARTS_H_
