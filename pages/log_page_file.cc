#include "pages/log_page_file.h"

#include <stdexcept>

#include "host/output_files.h"
#include "host/score_growth.h"
#include "host/ubn_lines.h"
#include "import/utc_time.h"
#include "pages/hourly_charts.h"
#include "pages/log_page.h"
#include "pages/page_file.h"

namespace pages {
namespace {

// Two weeks: a longer period is a mistyped date, and its chart unreadable.
constexpr std::int64_t kMostChartHours = 14 * imports::kHoursPerDay;

std::vector<pages::DetailRow> station(const std::vector<imports::ImportedLog>& logs) {
  for (const imports::ImportedLog& log : logs) {
    std::vector<pages::DetailRow> rows = pages::stationFromHeader(log);
    if (!rows.empty()) return rows;
  }
  return pages::stationFromSettings(host::settingsFileName());
}

std::vector<std::string> bandNames(const host::Summary& summary) {
  std::vector<std::string> names;
  for (const host::BandRow& row : summary.bands) names.push_back(row.band);
  return names;
}

}  // namespace

void writeLogPageFile(const std::string& path, host::PluginLibrary& plugin,
                      const host::ContestSetup& setup,
                      const std::vector<imports::ImportedLog>& logs, const host::Summary& summary,
                      const std::string& ubnText) {
  std::int64_t firstHour = imports::hourOf(imports::minuteOf(setup.start));
  std::int64_t lastHour = imports::hourOf(imports::minuteOf(setup.end));
  if (lastHour - firstHour + 1 > kMostChartHours) {
    throw std::runtime_error(path + ": the contest period spans " +
                             std::to_string(lastHour - firstHour + 1) +
                             " hours; the page charts at most " + std::to_string(kMostChartHours));
  }
  pages::LogPage page;
  page.summary = summary;
  page.ubnGroups = host::groupUbnLines(ubnText);
  page.station = station(logs);
  page.rate = pages::qsoRateChart(pages::hourlyQsos(logs), firstHour, lastHour, bandNames(summary));
  page.growth = pages::scoreGrowthChart(
      host::scoreAfterEachHour(plugin, setup, logs, firstHour, lastHour), firstHour);
  pages::writePageFile(path, pages::logPage(page));
}

}  // namespace pages
