#include "crosscheck/results_json.h"

#include <nlohmann/json.hpp>

namespace crosscheck {
namespace {

using Json = nlohmann::ordered_json;

// One line's object, kept and refilled for every line: a million lines
// built as a million objects cost more than everything else together. The
// fields are found once; refilling them adds no member, so they stay put.
class LineWriter {
 public:
  explicit LineWriter(const Results& results) : results_(results) {
    for (const char* key : kKeysInOrder) object_[key] = nullptr;
    for (int f = 0; f < kFieldCount; ++f) fields_[f] = &object_[kKeysInOrder[f]];
  }

  void write(const LineResult& line, std::string* out) {
    *fields_[kLine] = line.line;
    setText(kTime, formatMinute(line.time));
    setText(kBand, line.band);
    setText(kMode, line.mode);
    setText(kCall, line.call);
    setText(kExchSent, line.exchSent);
    setText(kExchRcvd, line.exchRcvd);
    setText(kResult, resultName(line.result));
    *fields_[kPoints] = line.points;
    *fields_[kClaimedPoints] = line.claimedPoints;
    setText(kCorrectCall, line.correctCall);
    setText(kCorrectExch, line.correctExch);
    setPartner(line.partner);
    setText(kOverride, line.overrideReason);
    *out += object_.dump();
  }

 private:
  enum Field {
    kLine,
    kTime,
    kBand,
    kMode,
    kCall,
    kExchSent,
    kExchRcvd,
    kResult,
    kPoints,
    kClaimedPoints,
    kCorrectCall,
    kCorrectExch,
    kPartner,
    kOverride,
    kFieldCount
  };
  static constexpr const char* kKeysInOrder[] = {
      "line",   "time",   "band",          "mode",        "call",        "exchSent", "exchRcvd",
      "result", "points", "claimedPoints", "correctCall", "correctExch", "partner",  "override"};
  static_assert(sizeof kKeysInOrder / sizeof kKeysInOrder[0] == kFieldCount, "a key per field");

  // The text, or null for an empty one where the field may be null.
  void setText(Field f, std::string_view value) {
    Json& field = *fields_[f];
    const bool nullable = f == kCorrectCall || f == kCorrectExch || f == kOverride;
    if (value.empty() && nullable) {
      field = nullptr;
    } else if (field.is_string()) {
      field.get_ref<std::string&>() = value;
    } else {
      field = value;
    }
  }

  void setPartner(const PartnerRef& partner) {
    Json& field = *fields_[kPartner];
    if (!partner.found()) {
      field = nullptr;
      return;
    }
    const Entrant& other = results_.entrants[partner.entrant];
    if (!field.is_object()) field = {{"call", ""}, {"file", ""}, {"line", 0}};
    field["call"].get_ref<std::string&>() = other.call;
    field["file"].get_ref<std::string&>() = other.file;
    field["line"] = other.lines[partner.lineIndex].line;
  }

  const Results& results_;
  Json object_;
  Json* fields_[kFieldCount];
};

Json entrantJson(const Entrant& entrant) {
  Json category = Json::object();
  for (const auto& [tag, value] : entrant.category) category[tag] = value;
  Json bands = Json::array();
  for (const BandTally& band : entrant.bands) {
    bands.push_back({{"band", band.band},
                     {"logged", band.logged},
                     {"confirmed", band.confirmed},
                     {"points", band.points}});
  }
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
          {"bands", bands}};
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
// writes each entrant's facts and each line, and only the arrays around them
// are joined here.
void writeResultsJson(const Results& results, std::ostream& out) {
  Json head = {{"contest", results.contest},
               {"period", {{"from", formatMinute(results.from)}, {"to", formatMinute(results.to)}}},
               {"matchWindowMinutes", results.matchWindowMinutes}};
  writeOpenObject(head, out);
  out << ",\"entrants\":[";
  LineWriter lines(results);
  for (std::size_t e = 0; e < results.entrants.size(); ++e) {
    const Entrant& entrant = results.entrants[e];
    out << (e > 0 ? ",\n" : "\n");
    writeOpenObject(entrantJson(entrant), out);
    // Gathered per entrant: a stream takes many small writes slowly.
    std::string text = ",\"lines\":[";
    for (std::size_t k = 0; k < entrant.lines.size(); ++k) {
      text += k > 0 ? ",\n" : "\n";
      lines.write(entrant.lines[k], &text);
    }
    out << text << "]}";
  }
  out << "\n],";
  std::string tail = tailJson(results).dump();
  out << tail.substr(1) << "\n";
}

}  // namespace crosscheck
