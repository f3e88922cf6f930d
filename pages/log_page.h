#ifndef ZVK_PAGES_LOG_PAGE_H_
#define ZVK_PAGES_LOG_PAGE_H_

#include <string>
#include <vector>

#include "host/summary_text.h"
#include "host/ubn_lines.h"
#include "pages/chart_data.h"
#include "pages/station_details.h"

namespace pages {

// What the page of one scored log shows: the plug-in's result as it gave it,
// and the charts made from the log.
struct LogPage {
  host::Summary summary;                  // GetResult0's text, read back
  std::vector<host::UbnGroup> ubnGroups;  // the UBN file, grouped by reason
  std::vector<DetailRow> station;
  ChartData rate;    // QSOs per hour by band
  ChartData growth;  // the claimed score after each hour
};

std::string logPage(const LogPage& page);

}  // namespace pages

#endif  // ZVK_PAGES_LOG_PAGE_H_
