#ifndef ZVK_PAGES_CHART_FRAME_H_
#define ZVK_PAGES_CHART_FRAME_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "pages/chart_data.h"
#include "pages/html_writer.h"

// The parts every chart shares: the figure around it, its axes and scale,
// and the table of its numbers.
namespace pages {

// The drawing area in SVG units; the SVG scales to the page's width.
struct Plot {
  static constexpr double kWidth = 640;
  static constexpr double kHeight = 300;
  static constexpr double kLeft = 48;
  static constexpr double kRight = 12;
  static constexpr double kTop = 28;
  static constexpr double kBottom = 40;

  long top = 1;  // the value at the top of the value axis

  double innerWidth() const { return kWidth - kLeft - kRight; }
  double innerHeight() const { return kHeight - kTop - kBottom; }
  double y(double value) const { return kTop + innerHeight() * (1 - value / top); }
  double slotWidth(std::size_t labels) const { return innerWidth() / (labels ? labels : 1); }
  double slotCentre(std::size_t index, std::size_t labels) const {
    return kLeft + slotWidth(labels) * (index + 0.5);
  }
};

// A coordinate as SVG text: at most one decimal. Written in place, as a
// page holds thousands and each lives only while its tag is written.
class SvgNumber {
 public:
  explicit SvgNumber(double value);
  operator std::string_view() const { return {text_ + from_, size_}; }

 private:
  void writeTenths(long long tenths);
  void writeRounded(double value);

  char text_[32];
  std::uint8_t from_ = 0;
  std::uint8_t size_ = 0;
};

// The class that colours the series at `index` (the page's style sheet
// holds the colours, so each bar names one in a few bytes).
std::string_view seriesClass(std::size_t index);

// Opens the figure, writes its caption and opens the SVG with the value axis
// scaled to `largest`, the labels below their slots (every n-th where they would crowd).
Plot openChart(HtmlWriter& html, const ChartData& chart, long largest);
// Closes the SVG, writes the table of the numbers and closes the figure.
void closeChart(HtmlWriter& html, const ChartData& chart, bool withTotal);

}  // namespace pages

#endif  // ZVK_PAGES_CHART_FRAME_H_
