#include <algorithm>

#include "pages/chart_frame.h"
#include "pages/charts.h"

namespace pages {
namespace {

constexpr double kBarShare = 0.7;  // of a label's slot; the rest is the gap
constexpr double kLegendBox = 10;
constexpr double kLegendStep = 80;

long value(const Series& series, std::size_t index) {
  return index < series.values.size() ? series.values[index] : 0;
}

long largestStack(const ChartData& chart) {
  long largest = 0;
  for (std::size_t i = 0; i < chart.labels.size(); ++i) {
    long stack = 0;
    for (const Series& series : chart.series) stack += value(series, i);
    largest = std::max(largest, stack);
  }
  return largest;
}

void writeBar(HtmlWriter& html, const Plot& plot, double x, double width, long base, long height,
              const std::string& colour, const std::string& title) {
  html.open("rect", {{"x", svgNumber(x)},
                     {"y", svgNumber(plot.y(base + height))},
                     {"width", svgNumber(width)},
                     {"height", svgNumber(plot.y(base) - plot.y(base + height))},
                     {"fill", colour}});
  html.element("title", title).close();
}

void writeLegend(HtmlWriter& html, const ChartData& chart) {
  for (std::size_t i = 0; i < chart.series.size(); ++i) {
    double x = Plot::kLeft + kLegendStep * i;
    html.empty("rect", {{"x", svgNumber(x)},
                        {"y", "8"},
                        {"width", svgNumber(kLegendBox)},
                        {"height", svgNumber(kLegendBox)},
                        {"fill", seriesColour(i)}});
    html.element("text", chart.series[i].name,
                 {{"x", svgNumber(x + kLegendBox + 4)}, {"y", "17"}, {"class", "legend"}});
  }
}

void writeBars(HtmlWriter& html, const ChartData& chart, const Plot& plot, bool stacked) {
  std::size_t labels = chart.labels.size();
  double width = plot.slotWidth(labels) * kBarShare;
  std::size_t drawn = stacked ? chart.series.size() : std::min<std::size_t>(1, chart.series.size());
  for (std::size_t i = 0; i < labels; ++i) {
    long base = 0;
    for (std::size_t s = 0; s < drawn; ++s) {
      long height = value(chart.series[s], i);
      if (height == 0) continue;
      std::string title = chart.labels[i] + (stacked ? " " + chart.series[s].name : "") + ": " +
                          std::to_string(height) + " " + chart.unit;
      writeBar(html, plot, plot.slotCentre(i, labels) - width / 2, width, base, height,
               seriesColour(s), title);
      base += height;
    }
  }
}

}  // namespace

void writeStackedBarChart(HtmlWriter& html, const ChartData& chart) {
  Plot plot = openChart(html, chart, largestStack(chart));
  writeLegend(html, chart);
  writeBars(html, chart, plot, true);
  closeChart(html, chart, chart.series.size() > 1);
}

void writeBarChart(HtmlWriter& html, const ChartData& chart) {
  ChartData first = chart;
  first.series.resize(std::min<std::size_t>(1, chart.series.size()));
  Plot plot = openChart(html, first, largestStack(first));
  writeBars(html, first, plot, false);
  closeChart(html, first, false);
}

}  // namespace pages
