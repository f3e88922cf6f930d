#ifndef ZVK_PAGES_CHART_DATA_H_
#define ZVK_PAGES_CHART_DATA_H_

#include <string>
#include <vector>

namespace pages {

struct Series {
  std::string name;
  std::vector<long> values;  // one per label of the chart
};

// The numbers a chart shows: drawn as SVG and listed in a table beside it,
// so they can be read, searched and heard as text too.
struct ChartData {
  std::string caption;
  std::string labelHeading;         // heading of the labels' column ("Hour (UTC)")
  std::string unit;                 // what the values count ("QSOs")
  std::vector<std::string> labels;  // along the bottom, left to right
  std::vector<Series> series;       // stacked in this order
};

}  // namespace pages

#endif  // ZVK_PAGES_CHART_DATA_H_
