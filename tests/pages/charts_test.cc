#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "pages/bar_charts.h"
#include "pages/chart_frame.h"
#include "pages/line_chart.h"

namespace {

// Every text of `tag` elements in `html`, in order.
std::vector<std::string> texts(const std::string& html, const std::string& tag) {
  std::vector<std::string> found;
  std::regex element("<" + tag + "[^>]*>([^<]*)</" + tag + ">");
  for (std::sregex_iterator it(html.begin(), html.end(), element), end; it != end; ++it) {
    found.push_back((*it)[1]);
  }
  return found;
}

const pages::ChartData kChart{"Rate & more",
                              "Hour",
                              "QSOs",
                              {"12:00", "13:00", "14:00"},
                              {{"80m", {2, 0, 1}}, {"<40m>", {3, 0, 0}}}};

TEST(ChartsTest, StackedBarsCarryOneTitleABarAndEveryNumberInTheTable) {
  pages::HtmlWriter html;
  pages::writeStackedBarChart(html, kChart);
  std::string page = html.finish();
  EXPECT_EQ(texts(page, "title"),
            (std::vector<std::string>{"Rate &amp; more", "12:00: 5 QSOs (80m 2, &lt;40m&gt; 3)",
                                      "14:00: 1 QSOs (80m 1)"}));
  EXPECT_EQ(texts(page, "td"),
            (std::vector<std::string>{"2", "3", "5", "0", "0", "0", "1", "0", "1"}));
  EXPECT_EQ(texts(page, "th"), (std::vector<std::string>{"Hour", "80m", "&lt;40m&gt;", "Total",
                                                         "12:00", "13:00", "14:00"}));
}

TEST(ChartsTest, BarAndLineChartsShowTheFirstSeriesWithATitleABarOrPoint) {
  pages::HtmlWriter bars;
  pages::writeBarChart(bars, kChart);
  pages::HtmlWriter line;
  pages::writeLineChart(line, kChart);
  EXPECT_EQ(texts(bars.finish(), "title"),
            (std::vector<std::string>{"Rate &amp; more", "12:00: 2 QSOs", "14:00: 1 QSOs"}));
  EXPECT_EQ(texts(line.finish(), "title"),
            (std::vector<std::string>{"Rate &amp; more", "12:00: 2 QSOs", "13:00: 0 QSOs",
                                      "14:00: 1 QSOs"}));
}

std::string svgText(double value) { return std::string(pages::SvgNumber(value)); }

// Coordinates rounded as printf's "%.1f" rounds them, ".0" and the sign of
// zero dropped: halfway values, those a hair off halfway, and a sweep.
TEST(ChartsTest, CoordinatesAreRoundedAsPrintfRoundsThem) {
  auto printfWay = [](double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    std::string number = text;
    if (number.size() > 2 && number.compare(number.size() - 2, 2, ".0") == 0)
      number.resize(number.size() - 2);
    return number == "-0" ? "0" : number;
  };
  EXPECT_EQ(svgText(0.25), "0.2");
  EXPECT_EQ(svgText(0.35), "0.3");  // 0.34999...
  EXPECT_EQ(svgText(-0.04), "0");
  EXPECT_EQ(svgText(-12.5), "-12.5");
  EXPECT_EQ(svgText(640), "640");
  for (long k = -200000; k <= 200000; ++k) {
    for (double value : {k / 20.0, k / 8.0, k / 3.0, k * 0.15, 28 + 232 * (1 - k / 997.0)}) {
      ASSERT_EQ(svgText(value), printfWay(value)) << value;
    }
  }
}

}  // namespace
