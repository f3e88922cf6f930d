#include "crosscheck/results_json.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <vector>

#include "crosscheck/document_buffer.h"
#include "crosscheck/multiplier_json.h"

namespace crosscheck {
namespace {

using Json = nlohmann::ordered_json;

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

// Every text of the contest's pool as the document writes it, quoted and
// escaped once rather than for each of the many lines that repeat it.
class QuotedTexts {
 public:
  explicit QuotedTexts(const TextPool& texts) {
    starts_.reserve(texts.size() + 1);
    for (TextId id = 0; id < texts.size(); ++id) {
      starts_.push_back(chars_.size());
      appendText(texts.view(id), &chars_);
    }
    starts_.push_back(chars_.size());
  }

  std::string_view of(TextId id) const {
    return {chars_.data() + starts_[id], starts_[id + 1] - starts_[id]};
  }

 private:
  std::string chars_;
  std::vector<std::size_t> starts_;
};

// One line's object, the bulk of the document, written straight into the
// buffer: its keys are fixed, numbers and our own texts need no escaping,
// and a log's text that does goes through the library that writes the rest
// of the document.
class LineWriter {
 public:
  LineWriter(const Results& results, DocumentBuffer* out) : out_(*out), quoted_(results.texts) {
    // Each entrant is the partner of many lines: its part is made once.
    for (const Entrant& entrant : results.entrants) {
      std::string& text = partnerStart_.emplace_back(",\"partner\":{\"call\":");
      appendText(entrant.call, &text);
      text += ",\"file\":";
      appendText(entrant.file, &text);
      text += ",\"line\":";
    }
    for (int r = 0; r < kResultCount; ++r) {
      resultText_[r] = std::string(",\"result\":\"") + resultName(static_cast<Result>(r)) + '"';
    }
  }

  // `more`: members of its own to add, made elsewhere.
  void write(const LineResult& line, std::string_view more) {
    put("{\"line\":", line.line);
    put(",\"time\":\"", {minute_, imports::writeMinute(line.time, minute_)}, '"');
    text(",\"band\":", line.band);
    text(",\"mode\":", line.mode);
    text(",\"call\":", line.call);
    text(",\"exchSent\":", line.exchSent);
    text(",\"exchRcvd\":", line.exchRcvd);
    out_.put(resultText_[static_cast<int>(line.result)]);
    put(",\"points\":", line.points);
    put(",\"claimedPoints\":", line.claimedPoints);
    textOrNull(",\"correctCall\":", line.correctCall);
    textOrNull(",\"correctExch\":", line.correctExch);
    partner(line.partner);
    textOrNull(",\"override\":", line.overrideReason);
    out_.put(more);
    out_.put('}');
  }

 private:
  void put(std::string_view key, std::int64_t value) {
    out_.put(key);
    out_.putNumber(value);
  }
  // A text of our own making: digits, letters and dashes.
  void put(std::string_view keyAndQuote, std::string_view value, char quote) {
    out_.put(keyAndQuote);
    out_.put(value);
    out_.put(quote);
  }
  void text(std::string_view key, TextId value) {
    out_.put(key);
    out_.put(quoted_.of(value));
  }
  void textOrNull(std::string_view key, TextId value) {
    out_.put(key);
    if (value == TextPool::kEmpty) {
      out_.put("null");
    } else {
      out_.put(quoted_.of(value));
    }
  }

  void partner(const PartnerRef& partner) {
    if (!partner.found()) {
      out_.put(",\"partner\":null");
      return;
    }
    put(partnerStart_[partner.entrant], partner.fileLine);
    out_.put('}');
  }

  DocumentBuffer& out_;
  QuotedTexts quoted_;
  std::vector<std::string> partnerStart_;
  std::string resultText_[kResultCount];  // ,"result":"ok"
  char minute_[imports::kMinuteTextSize];
};

// The header values as a JSON object holds them: a tag given twice keeps its
// first place and its last value.
std::vector<std::pair<std::string_view, std::string_view>> categoryMembers(const Entrant& entrant) {
  std::vector<std::pair<std::string_view, std::string_view>> members;
  for (const auto& header : entrant.category) {
    const std::string_view tag = header.first;
    auto same = std::find_if(members.begin(), members.end(),
                             [tag](const auto& member) { return member.first == tag; });
    if (same == members.end()) {
      members.emplace_back(tag, header.second);
    } else {
      same->second = header.second;
    }
  }
  return members;
}

void appendMember(std::string_view key, std::int64_t value, std::string* out) {
  *out += key;
  *out += std::to_string(value);
}

// An entrant's facts, up to its lines, written as the library writes an
// object: made for each of thousands of entrants, a document tree for each
// cost a third of the whole document.
std::string entrantHead(const Results& results, const Entrant& entrant) {
  std::string text = "{\"call\":";
  appendText(entrant.call, &text);
  text += ",\"file\":";
  appendText(entrant.file, &text);
  text += ",\"category\":{";
  for (const auto& [tag, value] : categoryMembers(entrant)) {
    if (text.back() != '{') text += ',';
    appendText(tag, &text);
    text += ':';
    appendText(value, &text);
  }
  appendMember("},\"place\":", entrant.place, &text);
  text += ",\"claimedScore\":";
  text += entrant.claimedScore ? std::to_string(*entrant.claimedScore) : "null";
  appendMember(",\"claimedByRules\":", entrant.claimedByRules, &text);
  appendMember(",\"checkedScore\":", entrant.checkedScore, &text);
  text += entrantMultiplierMembers(results, entrant);
  appendMember(",\"clockOffsetMinutes\":", entrant.clockOffsetMinutes, &text);
  appendMember(",\"qsosLogged\":", entrant.qsosLogged, &text);
  appendMember(",\"qsosConfirmed\":", entrant.qsosConfirmed, &text);
  text += ",\"errorRate\":" + dumped(Json(entrant.errorRate)) + ",\"bands\":[";
  for (const BandTally& band : entrant.bands) {
    text += text.back() == '[' ? "{\"band\":" : ",{\"band\":";
    appendText(band.band, &text);
    appendMember(",\"logged\":", band.logged, &text);
    appendMember(",\"confirmed\":", band.confirmed, &text);
    appendMember(",\"points\":", band.points, &text);
    text += '}';
  }
  return text + "],\"lines\":[";
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
void putEntrant(const Results& results, std::size_t e, LineWriter& lines,
                LineMultipliers& multipliers, DocumentBuffer* out) {
  const Entrant& entrant = results.entrants[e];
  out->put((e > 0 ? ",\n" : "\n") + entrantHead(results, entrant));
  std::size_t nextMultiplier = 0;
  for (std::size_t k = 0; k < entrant.lines.size(); ++k) {
    out->put(k > 0 ? ",\n" : "\n");
    lines.write(entrant.lines[k], multipliers.of(entrant, k, &nextMultiplier));
  }
  out->put("]}");
}

}  // namespace

// A million lines as one document tree would take gigabytes: each entrant's
// facts and each line are written on their own, and only the arrays around
// them are joined here.
void writeResultsJson(const Results& results, std::ostream& out) {
  Json head = {
      {"contest", results.contest},
      {"period",
       {{"from", imports::formatMinute(results.from)}, {"to", imports::formatMinute(results.to)}}},
      {"matchWindowMinutes", results.matchWindowMinutes}};
  DocumentBuffer buffer(out);
  buffer.put(openObject(head) + contestMultiplierMembers(results) + ",\"entrants\":[");
  LineWriter lines(results, &buffer);
  LineMultipliers multipliers(results);
  for (std::size_t e = 0; e < results.entrants.size(); ++e) {
    putEntrant(results, e, lines, multipliers, &buffer);
  }
  buffer.put("\n]," + dumped(tailJson(results)).substr(1) + "\n");
  buffer.flush();
}

}  // namespace crosscheck
