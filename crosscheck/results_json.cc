#include "crosscheck/results_json.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <deque>
#include <future>
#include <nlohmann/json.hpp>

namespace crosscheck {
namespace {

using Json = nlohmann::ordered_json;
using Buffer = rapidjson::StringBuffer;

// Entrants whose text is made on one thread at a time; two blocks are made
// at once.
constexpr std::size_t kEntrantsPerBlock = 64;
constexpr std::size_t kBlocksAhead = 2;

// Log texts are 8-bit texts of any code page: bytes that are no UTF-8 are
// written as U+FFFD rather than refused.
std::string dumped(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

void append(Buffer* out, std::string_view text) {
  std::copy(text.begin(), text.end(), out->Push(text.size()));
}

// Printable ASCII, nearly every text of a log, is escaped alike by both
// libraries.
bool printableAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c < 0x7f; });
}

// One line's object. Its keys are fixed and written as they are; the fast
// writer writes each value, and a text that needs escaping goes through the
// library that writes the rest of the document.
class LineWriter {
 public:
  explicit LineWriter(const Results& results) : results_(results) {}

  void write(const LineResult& line, Buffer* out) {
    out_ = out;
    number("{\"line\":", line.line);
    char time[kMinuteTextSize];
    text(",\"time\":", {time, writeMinute(line.time, time)});
    text(",\"band\":", line.band);
    text(",\"mode\":", line.mode);
    text(",\"call\":", line.call);
    text(",\"exchSent\":", line.exchSent);
    text(",\"exchRcvd\":", line.exchRcvd);
    text(",\"result\":", resultName(line.result));
    number(",\"points\":", line.points);
    number(",\"claimedPoints\":", line.claimedPoints);
    textOrNull(",\"correctCall\":", line.correctCall);
    textOrNull(",\"correctExch\":", line.correctExch);
    partner(line.partner);
    textOrNull(",\"override\":", line.overrideReason);
    append(out_, "}");
  }

 private:
  void number(std::string_view key, std::int32_t value) {
    append(out_, key);
    writer_.Reset(*out_);
    writer_.Int(value);
  }

  void text(std::string_view key, std::string_view value) {
    append(out_, key);
    if (printableAscii(value)) {
      writer_.Reset(*out_);
      writer_.String(value.data(), static_cast<rapidjson::SizeType>(value.size()));
    } else {
      append(out_, dumped(Json(value)));
    }
  }

  void textOrNull(std::string_view key, std::string_view value) {
    if (value.empty()) {
      append(out_, key);
      append(out_, "null");
    } else {
      text(key, value);
    }
  }

  void partner(const PartnerRef& partner) {
    if (!partner.found()) {
      append(out_, ",\"partner\":null");
      return;
    }
    const Entrant& other = results_.entrants[partner.entrant];
    text(",\"partner\":{\"call\":", other.call);
    text(",\"file\":", other.file);
    number(",\"line\":", other.lines[partner.lineIndex].line);
    append(out_, "}");
  }

  const Results& results_;
  Buffer* out_ = nullptr;
  rapidjson::Writer<Buffer> writer_;
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
Buffer entrantsText(const Results& results, std::size_t first, std::size_t last) {
  LineWriter lines(results);
  Buffer text;
  for (std::size_t e = first; e < last; ++e) {
    const Entrant& entrant = results.entrants[e];
    append(&text, e > 0 ? ",\n" : "\n");
    append(&text, openObject(entrantJson(entrant)));
    append(&text, ",\"lines\":[");
    for (std::size_t k = 0; k < entrant.lines.size(); ++k) {
      append(&text, k > 0 ? ",\n" : "\n");
      lines.write(entrant.lines[k], &text);
    }
    append(&text, "]}");
  }
  return text;
}

}  // namespace

// A million lines as one document tree would take gigabytes: each entrant's
// facts and each line are written on their own, and only the arrays around
// them are joined here, block by block in order.
void writeResultsJson(const Results& results, std::ostream& out) {
  Json head = {{"contest", results.contest},
               {"period", {{"from", formatMinute(results.from)}, {"to", formatMinute(results.to)}}},
               {"matchWindowMinutes", results.matchWindowMinutes}};
  out << openObject(head) << ",\"entrants\":[";
  const std::size_t count = results.entrants.size();
  std::deque<std::future<Buffer>> blocks;
  for (std::size_t next = 0; next < count || !blocks.empty();) {
    while (next < count && blocks.size() < kBlocksAhead) {
      const std::size_t last = std::min(count, next + kEntrantsPerBlock);
      blocks.push_back(
          std::async(std::launch::async, entrantsText, std::cref(results), next, last));
      next = last;
    }
    Buffer block = blocks.front().get();
    out.write(block.GetString(), static_cast<std::streamsize>(block.GetSize()));
    blocks.pop_front();
  }
  out << "\n]," << dumped(tailJson(results)).substr(1) << "\n";
}

}  // namespace crosscheck
