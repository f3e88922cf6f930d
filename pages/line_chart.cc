#include "pages/line_chart.h"

#include <algorithm>

#include "pages/chart_frame.h"

namespace pages {
namespace {

constexpr double kPointRadius = 3;

}  // namespace

void writeLineChart(HtmlWriter& html, const ChartData& chart) {
  ChartData first = chart;
  first.series.resize(std::min<std::size_t>(1, chart.series.size()));
  const std::vector<long> none;
  const std::vector<long>& values = first.series.empty() ? none : first.series[0].values;
  long largest = values.empty() ? 0 : *std::max_element(values.begin(), values.end());
  Plot plot = openChart(html, first, largest);
  std::size_t labels = first.labels.size();
  std::string points;
  for (std::size_t i = 0; i < labels && i < values.size(); ++i) {
    points.append(i ? " " : "")
        .append(SvgNumber(plot.slotCentre(i, labels)))
        .append(",")
        .append(SvgNumber(plot.y(values[i])));
  }
  html.empty("polyline", {{"points", points}, {"class", "line"}});
  for (std::size_t i = 0; i < labels && i < values.size(); ++i) {
    html.open("circle", {{"cx", SvgNumber(plot.slotCentre(i, labels))},
                         {"cy", SvgNumber(plot.y(values[i]))},
                         {"r", SvgNumber(kPointRadius)},
                         {"class", seriesClass(0)}});
    html.element("title", first.labels[i] + ": " + std::to_string(values[i]) + " " + first.unit)
        .close();
  }
  closeChart(html, first, false);
}

}  // namespace pages
