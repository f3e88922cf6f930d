#include "pages/chart_frame.h"

#include <cmath>
#include <cstdio>

namespace pages {
namespace {

// .s0 to .s6 in the page's style sheet.
constexpr std::string_view kSeriesClasses[] = {"s0", "s1", "s2", "s3", "s4", "s5", "s6"};
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
    SvgNumber y(plot.y(value));
    html.empty("line", {{"x1", SvgNumber(Plot::kLeft)},
                        {"x2", SvgNumber(Plot::kWidth - Plot::kRight)},
                        {"y1", y},
                        {"y2", y},
                        {"class", value == 0 ? "axis" : "grid"}});
    html.element("text", std::to_string(value),
                 {{"x", SvgNumber(Plot::kLeft - 6)},
                  {"y", SvgNumber(plot.y(value) + 4)},
                  {"class", "tick-value"}});
  }
}

void writeLabelAxis(HtmlWriter& html, const Plot& plot, const std::vector<std::string>& labels) {
  std::size_t every = (labels.size() + kMostLabels - 1) / kMostLabels;
  for (std::size_t i = 0; i < labels.size(); i += every ? every : 1) {
    html.element("text", labels[i],
                 {{"x", SvgNumber(plot.slotCentre(i, labels.size()))},
                  {"y", SvgNumber(Plot::kHeight - Plot::kBottom + 16)},
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

}  // namespace

SvgNumber::SvgNumber(double value) {
  const double tenths = value * 10;
  const double rounded = std::nearbyint(tenths);
  if (std::fabs(tenths) < kLargestTenths && std::fabs(tenths - rounded) < kHalf - kHalfwayMargin) {
    writeTenths(static_cast<long long>(rounded));
  } else {
    writeRounded(value);
  }
}

// A whole number of tenths: "12.5", "-3", "0"; written from the last digit back.
void SvgNumber::writeTenths(long long tenths) {
  char* const end = text_ + sizeof text_;
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
  from_ = static_cast<std::uint8_t>(first - text_);
  size_ = static_cast<std::uint8_t>(end - first);
}

// Near halfway between two tenths, or too large for whole tenths: printf decides.
void SvgNumber::writeRounded(double value) {
  std::string_view number(text_, std::snprintf(text_, sizeof text_, "%.1f", value));
  if (number.size() > 2 && number.substr(number.size() - 2) == ".0") {
    number.remove_suffix(2);
  }
  if (number == "-0") number.remove_prefix(1);
  from_ = static_cast<std::uint8_t>(number.data() - text_);
  size_ = static_cast<std::uint8_t>(number.size());
}

std::string_view seriesClass(std::size_t index) {
  return kSeriesClasses[index % std::size(kSeriesClasses)];
}

Plot openChart(HtmlWriter& html, const ChartData& chart, long largest) {
  Plot plot;
  long step = tickStep(largest);
  plot.top = step * std::max(1L, (largest + step - 1) / step);
  html.open("figure", {{"class", "chart"}}).element("figcaption", chart.caption);
  html.open("div", {{"class", "plot"}});
  std::string viewBox = "0 0 ";
  viewBox.append(SvgNumber(Plot::kWidth)).append(" ").append(SvgNumber(Plot::kHeight));
  html.open("svg", {{"viewBox", viewBox}, {"role", "img"}, {"aria-label", chart.caption}});
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
