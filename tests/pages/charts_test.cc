#include "pages/charts.h"

#include <gtest/gtest.h>

#include <regex>

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

}  // namespace
