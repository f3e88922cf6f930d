#include "pages/bar_charts.h"

#include <algorithm>
#include <charconv>

#include "pages/chart_frame.h"

namespace pages {
namespace {

constexpr double kBarShare = 0.7;  // of a label's slot; the rest is the gap
constexpr double kLegendBox = 10;
constexpr double kLegendStep = 80;

long value(const Series& series, std::size_t index) {
  return index < series.values.size() ? series.values[index] : 0;
}

// The height of the bar at `label`: its first `drawn` series stacked.
long stackAt(const ChartData& chart, std::size_t label, std::size_t drawn) {
  long stack = 0;
  for (std::size_t s = 0; s < drawn && s < chart.series.size(); ++s) {
    stack += value(chart.series[s], label);
  }
  return stack;
}

long largestStack(const ChartData& chart) {
  long largest = 0;
  for (std::size_t i = 0; i < chart.labels.size(); ++i) {
    largest = std::max(largest, stackAt(chart, i, chart.series.size()));
  }
  return largest;
}

// Where a bar stands: its x and width are written once for all its rects.
struct BarPlace {
  std::size_t label;
  std::size_t drawn;  // series stacked
  std::string_view x;
  std::string_view width;
};

// One rect for each drawn series with QSOs, stacked from the axis up.
void writeStack(HtmlWriter& html, const ChartData& chart, const Plot& plot, const BarPlace& bar) {
  long base = 0;
  for (std::size_t s = 0; s < bar.drawn; ++s) {
    long height = value(chart.series[s], bar.label);
    if (height == 0) continue;
    double top = plot.y(base + height);
    html.empty("rect", {{"x", bar.x},
                        {"y", SvgNumber(top)},
                        {"width", bar.width},
                        {"height", SvgNumber(plot.y(base) - top)},
                        {"class", seriesClass(s)}});
    base += height;
  }
}

void appendNumber(long number, std::string* text) {
  char digits[24];
  text->append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

// "11-29 12:00: 5 QSOs (80m 2, 40m 3)": one title for a whole bar, written
// over `title` so that its room serves every bar.
void writeBarTitle(const ChartData& chart, std::size_t label, std::size_t drawn,
                   std::string* title) {
  title->assign(chart.labels[label]).append(": ");
  appendNumber(stackAt(chart, label, drawn), title);
  title->append(" ").append(chart.unit);
  std::size_t parts = 0;
  for (std::size_t s = 0; s < drawn && drawn > 1; ++s) {
    long height = value(chart.series[s], label);
    if (height == 0) continue;
    title->append(parts++ == 0 ? " (" : ", ").append(chart.series[s].name).append(" ");
    appendNumber(height, title);
  }
  if (parts > 0) title->append(")");
}

void writeLegend(HtmlWriter& html, const ChartData& chart) {
  for (std::size_t i = 0; i < chart.series.size(); ++i) {
    double x = Plot::kLeft + kLegendStep * i;
    html.empty("rect", {{"x", SvgNumber(x)},
                        {"y", "8"},
                        {"width", SvgNumber(kLegendBox)},
                        {"height", SvgNumber(kLegendBox)},
                        {"class", seriesClass(i)}});
    html.element("text", chart.series[i].name,
                 {{"x", SvgNumber(x + kLegendBox + 4)}, {"y", "17"}, {"class", "legend"}});
  }
}

void writeBars(HtmlWriter& html, const ChartData& chart, const Plot& plot, bool stacked) {
  std::size_t labels = chart.labels.size();
  double width = plot.slotWidth(labels) * kBarShare;
  std::size_t drawn = stacked ? chart.series.size() : std::min<std::size_t>(1, chart.series.size());
  const SvgNumber widthText(width);
  std::string title;
  for (std::size_t i = 0; i < labels; ++i) {
    if (stackAt(chart, i, drawn) == 0) continue;
    writeBarTitle(chart, i, drawn, &title);
    html.open("g").element("title", title);
    writeStack(html, chart, plot,
               {i, drawn, SvgNumber(plot.slotCentre(i, labels) - width / 2), widthText});
    html.close();
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
