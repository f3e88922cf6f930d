#ifndef ZVK_PAGES_BAR_CHARTS_H_
#define ZVK_PAGES_BAR_CHARTS_H_

#include "pages/chart_data.h"
#include "pages/html_writer.h"

namespace pages {

// Bars per label, the series stacked one above the other, with a legend.
void writeStackedBarChart(HtmlWriter& html, const ChartData& chart);
// One bar per label, of the first series.
void writeBarChart(HtmlWriter& html, const ChartData& chart);

}  // namespace pages

#endif  // ZVK_PAGES_BAR_CHARTS_H_
