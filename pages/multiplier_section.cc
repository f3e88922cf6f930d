#include "pages/multiplier_section.h"

#include "pages/page_sections.h"

namespace pages {

void writeMultipliers(HtmlWriter& html, const crosscheck::EntrantReport& report) {
  if (report.multipliersByBand.empty()) return;
  openSection(html, "multipliers", "Multipliers");
  html.open("table", {{"id", "multipliers-by-band"}});
  writeHeadings(html, {{"Band and mode", false}, {"Multipliers"}});
  html.open("tbody");
  for (const auto& [band, count] : report.multipliersByBand) {
    html.open("tr").element("td", band);
    writeNumberCell(html, count);
    html.close();
  }
  html.close().close();
  html.open("div", {{"class", "wide"}}).open("table", {{"id", "multiplier-qsos"}});
  writeHeadings(html, {{"Multipliers", false}, {"Line of this log that gave them", false}});
  html.open("tbody");
  for (const crosscheck::MultiplierQso& qso : report.multipliers) {
    html.open("tr").element("td", qso.multipliers).open("td");
    html.element("code", std::to_string(qso.line.line) + "  " + qso.line.text).close().close();
  }
  html.close().close().close();
  html.close();
}

}  // namespace pages
