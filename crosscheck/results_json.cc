#include "crosscheck/results_json.h"

#include <algorithm>
#include <deque>
#include <future>
#include <nlohmann/json.hpp>

namespace crosscheck {
namespace {

using Json = nlohmann::ordered_json;

// Entrants whose text is made on one thread at a time; two blocks are made
// at once.
constexpr std::size_t kEntrantsPerBlock = 64;
constexpr std::size_t kBlocksAhead = 2;

// Log texts are 8-bit texts of any code page: bytes that are no UTF-8 are
// written as U+FFFD rather than refused.
std::string dumped(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

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
    *out += dumped(object_);
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

// `object`'s members without its closing brace, to continue it.
std::string openObject(const Json& object) {
  std::string text = dumped(object);
  text.pop_back();
  return text;
}

// The entrants from `first` to `last`, each after a separator.
std::string entrantsText(const Results& results, std::size_t first, std::size_t last) {
  LineWriter lines(results);
  std::string text;
  for (std::size_t e = first; e < last; ++e) {
    const Entrant& entrant = results.entrants[e];
    text += (e > 0 ? ",\n" : "\n") + openObject(entrantJson(entrant)) + ",\"lines\":[";
    for (std::size_t k = 0; k < entrant.lines.size(); ++k) {
      text += k > 0 ? ",\n" : "\n";
      lines.write(entrant.lines[k], &text);
    }
    text += "]}";
  }
  return text;
}

}  // namespace

// A million lines as one document tree would take gigabytes: the library
// writes each entrant's facts and each line, and only the arrays around them
// are joined here, block by block in order.
void writeResultsJson(const Results& results, std::ostream& out) {
  Json head = {{"contest", results.contest},
               {"period", {{"from", formatMinute(results.from)}, {"to", formatMinute(results.to)}}},
               {"matchWindowMinutes", results.matchWindowMinutes}};
  out << openObject(head) << ",\"entrants\":[";
  const std::size_t count = results.entrants.size();
  std::deque<std::future<std::string>> blocks;
  for (std::size_t next = 0; next < count || !blocks.empty();) {
    while (next < count && blocks.size() < kBlocksAhead) {
      const std::size_t last = std::min(count, next + kEntrantsPerBlock);
      blocks.push_back(
          std::async(std::launch::async, entrantsText, std::cref(results), next, last));
      next = last;
    }
    out << blocks.front().get();
    blocks.pop_front();
  }
  out << "\n]," << dumped(tailJson(results)).substr(1) << "\n";
}

}  // namespace crosscheck
