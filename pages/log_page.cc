#include "pages/log_page.h"

#include "pages/bar_charts.h"
#include "pages/line_chart.h"
#include "pages/page_frame.h"
#include "pages/page_sections.h"

namespace pages {
namespace {

constexpr char kNoStation[] = "The log names no station details.";
constexpr char kNoUbnLines[] = "The plug-in rejected no QSO.";

void writeBandRow(HtmlWriter& html, const host::BandRow& row) {
  html.open("tr").element("th", row.band, {{"scope", "row"}});
  writeNumberCell(html, row.qsos);
  writeNumberCell(html, row.points);
  writeNumberCell(html, row.members);
  html.close();
}

void writeScore(HtmlWriter& html, const host::Summary& summary) {
  openSection(html, "score", "Claimed score");
  html.open("p", {{"class", "score"}})
      .element("span", std::to_string(summary.claimedScore), {{"id", "claimed-score"}})
      .text(" points")
      .close();
  html.open("div", {{"class", "wide"}}).open("table", {{"id", "bands"}});
  writeHeadings(html, {{"Band", false}, {"QSOs"}, {"Points"}, {"ZVK members"}});
  html.open("tbody");
  for (const host::BandRow& row : summary.bands) writeBandRow(html, row);
  html.close().open("tfoot");
  writeBandRow(html, summary.total);
  html.close().close().close().close();
}

void writeUbn(HtmlWriter& html, const std::vector<host::UbnGroup>& groups) {
  openSection(html, "ubn", "Rejected and duplicate QSOs (UBN file)");
  html.open("table", {{"id", "ubn-counts"}});
  writeHeadings(html, {{"Reason", false}, {"QSOs"}});
  html.open("tbody");
  bool any = false;
  for (const host::UbnGroup& group : groups) {
    html.open("tr").element("th", group.reason, {{"scope", "row"}});
    writeNumberCell(html, static_cast<long>(group.lines.size()));
    html.close();
    any = any || !group.lines.empty();
  }
  html.close().close();
  if (!any) html.element("p", kNoUbnLines);
  for (const host::UbnGroup& group : groups) {
    if (group.lines.empty()) continue;
    html.element("h3", group.reason);
    writeLines(html, group.lines);
  }
  html.close();
}

}  // namespace

std::string logPage(const LogPage& page) {
  HtmlWriter html;
  const host::Summary& summary = page.summary;
  openPage(html, {summary.contestant + " in the " + summary.title,
                  summary.periodFrom + " to " + summary.periodTo, "", ""});
  openSection(html, "station", "Station");
  if (page.station.empty()) html.element("p", kNoStation);
  writeDetails(html, page.station);
  html.close();
  writeScore(html, summary);
  openSection(html, "rate", "Rate");
  writeStackedBarChart(html, page.rate);
  writeLineChart(html, page.growth);
  html.close();
  writeUbn(html, page.ubnGroups);
  return closePage(html);
}

}  // namespace pages
