#ifndef ZVK_PAGES_CHARTS_H_
#define ZVK_PAGES_CHARTS_H_

#include <string>
#include <vector>

#include "pages/html_writer.h"

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

// Bars per label, the series stacked one above the other, with a legend.
void writeStackedBarChart(HtmlWriter& html, const ChartData& chart);
// One bar per label, of the first series.
void writeBarChart(HtmlWriter& html, const ChartData& chart);
// The first series as a line through one point per label.
void writeLineChart(HtmlWriter& html, const ChartData& chart);

}  // namespace pages

#endif  // ZVK_PAGES_CHARTS_H_
