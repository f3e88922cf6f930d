#include "pages/contest_index.h"

#include <cstdio>

#include "import/utc_time.h"
#include "pages/contest_pages.h"
#include "pages/page_frame.h"
#include "pages/page_sections.h"

namespace pages {
namespace {

using crosscheck::Entrant;

constexpr char kNoCategory[] = "No category";

// Links are relative and percent-encoded: a call may hold characters a URL reserves.
std::string linkTo(const std::string& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string link;
  for (unsigned char c : path) {
    bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                 c == '-' || c == '_' || c == '.' || c == '/';
    link +=
        plain ? std::string(1, static_cast<char>(c)) : std::string{'%', kHex[c >> 4], kHex[c & 15]};
  }
  return link;
}

std::string percent(double rate) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", rate);
  return text;
}

void writeEntrantRow(HtmlWriter& html, const Entrant& entrant) {
  html.open("tr");
  writeNumberCell(html, entrant.place);
  html.open("td").element("a", entrant.call, {{"href", linkTo(entrantPagePath(entrant))}});
  html.close();
  if (entrant.claimedScore) {
    writeNumberCell(html, static_cast<long>(*entrant.claimedScore));
  } else {
    html.element("td", "none", {{"class", "n"}});
  }
  writeNumberCell(html, static_cast<long>(entrant.checkedScore));
  writeNumberCell(html, entrant.qsosConfirmed);
  html.element("td", percent(entrant.errorRate), {{"class", "n"}});
  html.close();
}

// Entrants come grouped by category: a table for each group.
void writeCategories(HtmlWriter& html, const std::vector<Entrant>& entrants) {
  for (std::size_t i = 0; i < entrants.size();) {
    const std::string& category = entrants[i].categoryLabel;
    html.open("section", {{"class", "category"}});
    html.element("h2", category.empty() ? kNoCategory : category);
    html.open("div", {{"class", "wide"}}).open("table", {{"class", "results"}});
    writeHeadings(html, {{"Place"},
                         {"Call", false},
                         {"Claimed"},
                         {"Checked"},
                         {"QSOs confirmed"},
                         {"Error rate %"}});
    html.open("tbody");
    for (; i < entrants.size() && entrants[i].categoryLabel == category; ++i) {
      writeEntrantRow(html, entrants[i]);
    }
    html.close().close().close().close();
  }
}

void writeStationsWithoutLog(HtmlWriter& html, const crosscheck::Results& results) {
  if (results.stationsWithoutLog.empty()) return;
  openSection(html, "without-log", "Stations worked that sent no log");
  html.open("table");
  writeHeadings(html, {{"Call", false}, {"Logged by"}});
  html.open("tbody");
  for (const crosscheck::StationWithoutLog& station : results.stationsWithoutLog) {
    html.open("tr").element("td", station.call);
    writeNumberCell(html, station.appearances);
    html.close();
  }
  html.close().close().close();
}

void writeUnreadable(HtmlWriter& html, const crosscheck::Results& results) {
  if (results.unreadable.empty()) return;
  openSection(html, "unreadable", "Logs that could not be read");
  html.open("table");
  writeHeadings(html, {{"File", false}, {"Line"}, {"Reason", false}});
  html.open("tbody");
  for (const crosscheck::UnreadableLog& log : results.unreadable) {
    html.open("tr").element("td", log.file);
    writeNumberCell(html, log.line);
    html.element("td", log.error).close();
  }
  html.close().close().close();
}

}  // namespace

std::string contestIndexPage(const crosscheck::Results& results) {
  HtmlWriter html;
  openPage(html, {results.contest + ": results",
                  "Checked scores, " + imports::formatMinute(results.from) + " to " +
                      imports::formatMinute(results.to) + " UTC",
                  "", ""});
  writeCategories(html, results.entrants);
  writeStationsWithoutLog(html, results);
  writeUnreadable(html, results);
  return closePage(html);
}

}  // namespace pages
