#include "pages/chart_frame.h"

#include <cmath>
#include <cstdio>

namespace pages {
namespace {

constexpr std::size_t kSeriesColours = 7;  // .s0 to .s6 in the page's style sheet
constexpr int kValueTicks = 4;
constexpr std::size_t kMostLabels = 8;
// A coordinate is rounded to tenths in whole numbers, exactly as printf's
// "%.1f" rounds it, unless it lies within a hair of halfway between two
// tenths (or is too large for that), where printf decides.
constexpr double kLargestTenths = 1e12;
constexpr double kHalf = 0.5;
constexpr double kHalfwayMargin = 1e-3;

// The smallest 1, 2 or 5 times a power of ten that, as the step between
// kValueTicks grid lines, reaches `largest`.
long tickStep(long largest) {
  double rough = std::max(1.0, static_cast<double>(largest) / kValueTicks);
  double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double factor : {1.0, 2.0, 5.0, 10.0}) {
    if (factor * power >= rough) return std::lround(factor * power);
  }
  return std::lround(10 * power);
}

void writeValueAxis(HtmlWriter& html, const Plot& plot, long step) {
  for (long value = 0; value <= plot.top; value += step) {
    std::string y = svgNumber(plot.y(value));
    html.empty("line", {{"x1", svgNumber(Plot::kLeft)},
                        {"x2", svgNumber(Plot::kWidth - Plot::kRight)},
                        {"y1", y},
                        {"y2", y},
                        {"class", value == 0 ? "axis" : "grid"}});
    html.element("text", std::to_string(value),
                 {{"x", svgNumber(Plot::kLeft - 6)},
                  {"y", svgNumber(plot.y(value) + 4)},
                  {"class", "tick-value"}});
  }
}

void writeLabelAxis(HtmlWriter& html, const Plot& plot, const std::vector<std::string>& labels) {
  std::size_t every = (labels.size() + kMostLabels - 1) / kMostLabels;
  for (std::size_t i = 0; i < labels.size(); i += every ? every : 1) {
    html.element("text", labels[i],
                 {{"x", svgNumber(plot.slotCentre(i, labels.size()))},
                  {"y", svgNumber(Plot::kHeight - Plot::kBottom + 16)},
                  {"class", "tick-label"}});
  }
}

void writeTableRow(HtmlWriter& html, const ChartData& chart, std::size_t row, bool withTotal) {
  html.open("tr").element("th", chart.labels[row], {{"scope", "row"}});
  long total = 0;
  for (const Series& series : chart.series) {
    long value = row < series.values.size() ? series.values[row] : 0;
    total += value;
    html.element("td", std::to_string(value));
  }
  if (withTotal) html.element("td", std::to_string(total));
  html.close();
}

// A whole number of tenths as svgNumber writes it: "12.5", "-3", "0";
// written from the last digit back.
std::string tenthsText(long long tenths) {
  char text[24];
  char* const end = text + sizeof text;
  char* first = end;
  unsigned long long size = tenths < 0 ? -static_cast<unsigned long long>(tenths) : tenths;
  if (size % 10 != 0) {
    *--first = static_cast<char>('0' + size % 10);
    *--first = '.';
  }
  size /= 10;
  do {
    *--first = static_cast<char>('0' + size % 10);
    size /= 10;
  } while (size != 0);
  if (tenths < 0) *--first = '-';
  return std::string(first, end);
}

}  // namespace

std::string svgNumber(double value) {
  const double tenths = value * 10;
  const double rounded = std::nearbyint(tenths);
  if (std::fabs(tenths) < kLargestTenths && std::fabs(tenths - rounded) < kHalf - kHalfwayMargin) {
    return tenthsText(static_cast<long long>(rounded));
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  std::string number = text;
  if (number.size() > 2 && number.compare(number.size() - 2, 2, ".0") == 0)
    number.resize(number.size() - 2);
  return number == "-0" ? "0" : number;
}

std::string seriesClass(std::size_t index) { return "s" + std::to_string(index % kSeriesColours); }

Plot openChart(HtmlWriter& html, const ChartData& chart, long largest) {
  Plot plot;
  long step = tickStep(largest);
  plot.top = step * std::max(1L, (largest + step - 1) / step);
  html.open("figure", {{"class", "chart"}}).element("figcaption", chart.caption);
  html.open("div", {{"class", "plot"}});
  html.open("svg", {{"viewBox", "0 0 " + svgNumber(Plot::kWidth) + " " + svgNumber(Plot::kHeight)},
                    {"role", "img"},
                    {"aria-label", chart.caption}});
  html.element("title", chart.caption);
  writeValueAxis(html, plot, step);
  writeLabelAxis(html, plot, chart.labels);
  return plot;
}

void closeChart(HtmlWriter& html, const ChartData& chart, bool withTotal) {
  html.close().close().open("div", {{"class", "numbers"}}).open("table");
  html.open("thead").open("tr").element("th", chart.labelHeading, {{"scope", "col"}});
  for (const Series& series : chart.series) html.element("th", series.name, {{"scope", "col"}});
  if (withTotal) html.element("th", "Total", {{"scope", "col"}});
  html.close().close().open("tbody");
  for (std::size_t row = 0; row < chart.labels.size(); ++row) {
    writeTableRow(html, chart, row, withTotal);
  }
  html.close().close().close().close();
}

}  // namespace pages
