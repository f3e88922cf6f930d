#include "pages/entrant_page.h"

#include "import/utc_time.h"
#include "pages/bar_charts.h"
#include "pages/hourly_charts.h"
#include "pages/multiplier_section.h"
#include "pages/page_frame.h"
#include "pages/page_sections.h"

namespace pages {
namespace {

constexpr char kIndexLink[] = "../index.html";
constexpr char kNothingLost[] = "Every QSO earned its points.";
constexpr char kNoOtherLine[] = "none";
constexpr char kJudgedByHand[] = "Judged by the organisers: ";

ChartData rateOfLog(const crosscheck::Results& results, const crosscheck::Entrant& entrant) {
  std::vector<HourlyQso> qsos;
  qsos.reserve(entrant.lines.size());
  for (const crosscheck::LineResult& line : entrant.lines) {
    qsos.push_back({imports::hourOf(line.time), results.text(line.band)});
  }
  std::vector<std::string> bands;
  for (const crosscheck::BandTally& band : entrant.bands) bands.push_back(band.band);
  return qsoRateChart(qsos, imports::hourOf(results.from), imports::hourOf(results.to), bands);
}

ChartData confirmedPerBand(const crosscheck::Entrant& entrant) {
  ChartData chart{"QSOs confirmed per band", "Band", "QSOs confirmed", {}, {{"Confirmed", {}}}};
  for (const crosscheck::BandTally& band : entrant.bands) {
    chart.labels.push_back(band.band);
    chart.series[0].values.push_back(band.confirmed);
  }
  return chart;
}

std::string quoted(const crosscheck::QuotedLine& line) {
  return line.file + ":" + std::to_string(line.line) + "  " + line.text;
}

void writeLostRow(HtmlWriter& html, const crosscheck::LostQso& lost) {
  html.open("tr").open("td").element("code", quoted(lost.own)).close();
  html.element("td", crosscheck::resultName(lost.result));
  html.open("td").text(lost.reason);
  if (!lost.overrideReason.empty()) {
    html.element("p", std::string(kJudgedByHand) + lost.overrideReason);
  }
  html.close();
  writeNumberCell(html, lost.pointsLost);
  html.open("td");
  if (lost.other) {
    html.element("code", quoted(*lost.other));
  } else {
    html.text(kNoOtherLine);
  }
  html.close().close();
}

void writeLost(HtmlWriter& html, const std::vector<crosscheck::LostQso>& lost) {
  openSection(html, "lost", "QSOs that lost points or were judged by hand");
  if (lost.empty()) {
    html.element("p", kNothingLost);
  } else {
    html.open("div", {{"class", "wide"}}).open("table", {{"id", "lost-qsos"}});
    writeHeadings(html, {{"Line of this log", false},
                         {"Judged", false},
                         {"Reason", false},
                         {"Points lost"},
                         {"Other log's line", false}});
    html.open("tbody");
    for (const crosscheck::LostQso& qso : lost) writeLostRow(html, qso);
    html.close().close().close();
  }
  html.close();
}

// What the station says of itself, as its log's header gives it.
void writeStation(HtmlWriter& html, const crosscheck::Entrant& entrant) {
  std::vector<DetailRow> rows;
  if (!entrant.club.empty()) rows.push_back({"Club", entrant.club});
  if (!entrant.soapbox.empty()) rows.push_back({"Soapbox", entrant.soapbox});
  if (rows.empty()) return;
  openSection(html, "station", "The station");
  writeDetails(html, rows);
  html.close();
}

}  // namespace

std::string entrantPage(const crosscheck::Results& results, std::size_t entrant,
                        const crosscheck::EntrantReport& report) {
  const crosscheck::Entrant& station = results.entrants[entrant];
  HtmlWriter html;
  openPage(html, {report.call + ": log check", results.contest, kIndexLink, "All results"});
  openSection(html, "facts", "Scores");
  std::vector<DetailRow> facts;
  for (const auto& [label, value] : report.facts) facts.push_back({label, value});
  writeDetails(html, facts);
  html.close();
  writeStation(html, station);
  writeMultipliers(html, report);
  openSection(html, "rate", "The log");
  writeStackedBarChart(html, rateOfLog(results, station));
  writeBarChart(html, confirmedPerBand(station));
  html.close();
  writeLost(html, report.lost);
  return closePage(html);
}

}  // namespace pages
