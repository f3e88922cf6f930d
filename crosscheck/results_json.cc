#include "crosscheck/results_json.h"

#include <nlohmann/json.hpp>

namespace crosscheck {
namespace {

using Json = nlohmann::ordered_json;

Json textOrNull(std::string_view text) { return text.empty() ? Json() : Json(text); }

Json lineJson(const Results& results, const LineResult& line) {
  Json partner;
  if (line.partner.found()) {
    const Entrant& other = results.entrants[line.partner.entrant];
    partner = {{"call", other.call},
               {"file", other.file},
               {"line", other.lines[line.partner.lineIndex].line}};
  }
  return {{"line", line.line},
          {"time", formatMinute(line.time)},
          {"band", line.band},
          {"mode", line.mode},
          {"call", line.call},
          {"exchSent", line.exchSent},
          {"exchRcvd", line.exchRcvd},
          {"result", resultName(line.result)},
          {"points", line.points},
          {"claimedPoints", line.claimedPoints},
          {"correctCall", textOrNull(line.correctCall)},
          {"correctExch", textOrNull(line.correctExch)},
          {"partner", partner},
          {"override", textOrNull(line.overrideReason)}};
}

Json entrantJson(const Results& results, const Entrant& entrant) {
  Json category = Json::object();
  for (const auto& [tag, value] : entrant.category) category[tag] = value;
  Json bands = Json::array();
  for (const BandTally& band : entrant.bands) {
    bands.push_back({{"band", band.band},
                     {"logged", band.logged},
                     {"confirmed", band.confirmed},
                     {"points", band.points}});
  }
  Json lines = Json::array();
  for (const LineResult& line : entrant.lines) lines.push_back(lineJson(results, line));
  return {{"call", entrant.call},
          {"file", entrant.file},
          {"category", category},
          {"place", entrant.place},
          {"claimedScore", entrant.claimedScore ? Json(*entrant.claimedScore) : Json()},
          {"claimedByRules", entrant.claimedByRules},
          {"checkedScore", entrant.checkedScore},
          {"clockOffsetMinutes", entrant.clockOffsetMinutes},
          {"qsosLogged", entrant.qsosLogged},
          {"qsosConfirmed", entrant.qsosConfirmed},
          {"errorRate", entrant.errorRate},
          {"bands", bands},
          {"lines", lines}};
}

Json tailJson(const Results& results) {
  Json stations = Json::array();
  for (const StationWithoutLog& station : results.stationsWithoutLog) {
    stations.push_back({{"call", station.call}, {"appearances", station.appearances}});
  }
  Json duplicates = Json::array();
  for (const DuplicateLog& duplicate : results.duplicateLogs) {
    duplicates.push_back(
        {{"call", duplicate.call}, {"files", duplicate.files}, {"used", duplicate.used}});
  }
  Json unreadable = Json::array();
  for (const UnreadableLog& log : results.unreadable) {
    unreadable.push_back({{"file", log.file}, {"line", log.line}, {"error", log.error}});
  }
  return {
      {"stationsWithoutLog", stations}, {"duplicateLogs", duplicates}, {"unreadable", unreadable}};
}

// Prints `object`'s members without its closing brace, to continue it.
void writeOpenObject(const Json& object, std::ostream& out) {
  std::string text = object.dump();
  text.pop_back();
  out << text;
}

}  // namespace

// A million lines as one document tree would take gigabytes: the library
// writes each entrant whole, and only the array around them is joined here.
void writeResultsJson(const Results& results, std::ostream& out) {
  Json head = {{"contest", results.contest},
               {"period", {{"from", formatMinute(results.from)}, {"to", formatMinute(results.to)}}},
               {"matchWindowMinutes", results.matchWindowMinutes}};
  writeOpenObject(head, out);
  out << ",\"entrants\":[";
  for (std::size_t e = 0; e < results.entrants.size(); ++e) {
    out << (e > 0 ? ",\n" : "\n") << entrantJson(results, results.entrants[e]).dump();
  }
  out << "\n],";
  std::string tail = tailJson(results).dump();
  out << tail.substr(1) << "\n";
}

}  // namespace crosscheck
