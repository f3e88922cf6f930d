#ifndef ZVK_PAGES_LINE_CHART_H_
#define ZVK_PAGES_LINE_CHART_H_

#include "pages/chart_data.h"
#include "pages/html_writer.h"

namespace pages {

// The first series as a line through one point per label.
void writeLineChart(HtmlWriter& html, const ChartData& chart);

}  // namespace pages

#endif  // ZVK_PAGES_LINE_CHART_H_
