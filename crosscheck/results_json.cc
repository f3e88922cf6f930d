#include "crosscheck/results_json.h"

#include <algorithm>
#include <charconv>
#include <nlohmann/json.hpp>

namespace crosscheck {
namespace {

using Json = nlohmann::ordered_json;

// The document goes to the file in pieces of about this size: few, large
// writes from one buffer that is used again.
constexpr std::size_t kFlushBytes = 4 << 20;

// Log texts are 8-bit texts of any code page: bytes that are no UTF-8 are
// written as U+FFFD rather than refused.
std::string dumped(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A text JSON holds as it is: printable ASCII without quote or backslash,
// nearly every text of a log.
bool needsNoEscape(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return c >= ' ' && c < 0x7f && c != '"' && c != '\\'; });
}

// A text as JSON.
void appendText(std::string_view text, std::string* out) {
  if (needsNoEscape(text)) {
    *out += '"';
    *out += text;
    *out += '"';
  } else {
    *out += dumped(Json(text));
  }
}

// One line's object, the bulk of the document, written straight into the
// text: its keys are fixed, numbers and our own texts need no escaping, and
// a log's text that does goes through the library that writes the rest of
// the document.
class LineWriter {
 public:
  LineWriter(const Results& results, std::string* out) : results_(results), out_(*out) {
    // Each entrant is the partner of many lines: its part is made once.
    for (const Entrant& entrant : results.entrants) {
      std::string& text = partnerStart_.emplace_back(",\"partner\":{\"call\":");
      appendText(entrant.call, &text);
      text += ",\"file\":";
      appendText(entrant.file, &text);
      text += ",\"line\":";
    }
  }

  void write(const LineResult& line) {
    number("{\"line\":", line.line);
    char time[kMinuteTextSize];
    ours(",\"time\":", {time, writeMinute(line.time, time)});
    text(",\"band\":", line.band);
    text(",\"mode\":", line.mode);
    text(",\"call\":", line.call);
    text(",\"exchSent\":", line.exchSent);
    text(",\"exchRcvd\":", line.exchRcvd);
    ours(",\"result\":", resultName(line.result));
    number(",\"points\":", line.points);
    number(",\"claimedPoints\":", line.claimedPoints);
    textOrNull(",\"correctCall\":", line.correctCall);
    textOrNull(",\"correctExch\":", line.correctExch);
    partner(line.partner);
    textOrNull(",\"override\":", line.overrideReason);
    out_ += '}';
  }

 private:
  void number(std::string_view key, std::int32_t value) {
    out_ += key;
    char digits[16];
    out_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
  }

  // A text of our own making: digits, letters and dashes.
  void ours(std::string_view key, std::string_view value) {
    out_ += key;
    out_ += '"';
    out_ += value;
    out_ += '"';
  }

  void text(std::string_view key, std::string_view value) {
    out_ += key;
    appendText(value, &out_);
  }

  void textOrNull(std::string_view key, std::string_view value) {
    if (value.empty()) {
      out_ += key;
      out_ += "null";
    } else {
      text(key, value);
    }
  }

  void partner(const PartnerRef& partner) {
    if (!partner.found()) {
      out_ += ",\"partner\":null";
      return;
    }
    const Entrant& other = results_.entrants[partner.entrant];
    number(partnerStart_[partner.entrant], other.lines[partner.lineIndex].line);
    out_ += '}';
  }

  const Results& results_;
  std::string& out_;
  std::vector<std::string> partnerStart_;
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

// One entrant with its lines, after a separator.
void appendEntrant(const Results& results, std::size_t e, LineWriter& lines, std::string* text) {
  const Entrant& entrant = results.entrants[e];
  *text += e > 0 ? ",\n" : "\n";
  *text += openObject(entrantJson(entrant));
  *text += ",\"lines\":[";
  for (std::size_t k = 0; k < entrant.lines.size(); ++k) {
    *text += k > 0 ? ",\n" : "\n";
    lines.write(entrant.lines[k]);
  }
  *text += "]}";
}

}  // namespace

// A million lines as one document tree would take gigabytes: each entrant's
// facts and each line are written on their own, and only the arrays around
// them are joined here.
void writeResultsJson(const Results& results, std::ostream& out) {
  Json head = {{"contest", results.contest},
               {"period", {{"from", formatMinute(results.from)}, {"to", formatMinute(results.to)}}},
               {"matchWindowMinutes", results.matchWindowMinutes}};
  std::string text;
  text.reserve(kFlushBytes + kFlushBytes / 4);
  text += openObject(head) + ",\"entrants\":[";
  LineWriter lines(results, &text);
  for (std::size_t e = 0; e < results.entrants.size(); ++e) {
    appendEntrant(results, e, lines, &text);
    if (text.size() >= kFlushBytes) {
      out << text;
      text.clear();
    }
  }
  out << text << "\n]," << dumped(tailJson(results)).substr(1) << "\n";
}

}  // namespace crosscheck
