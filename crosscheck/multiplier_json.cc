#include "crosscheck/multiplier_json.h"

#include <nlohmann/json.hpp>

#include "crosscheck/multiplier_summary.h"

namespace crosscheck {
namespace {

// Texts from the logs may hold bytes that are no UTF-8: written as U+FFFD.
void appendQuoted(std::string_view text, std::string* out) {
  *out += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

std::string contestMultiplierMembers(const Results& results) {
  if (results.multiplierRules.empty()) return {};
  std::string text = ",\"multipliers\":[";
  for (const std::string& rule : results.multiplierRules) {
    if (text.back() != '[') text += ',';
    appendQuoted(rule, &text);
  }
  text += "],\"scoreFormula\":";
  appendQuoted(results.scoreFormula, &text);
  return text;
}

std::string entrantMultiplierMembers(const Results& results, const Entrant& entrant) {
  if (results.multiplierRules.empty()) return {};
  std::string text = ",\"qsoPoints\":" + std::to_string(entrant.qsoPoints) +
                     ",\"multipliers\":" + std::to_string(entrant.multipliers.size()) +
                     ",\"multipliersByBand\":[";
  for (const MultiplierCount& count : multipliersByBand(results, entrant)) {
    text += text.back() == '[' ? "{\"band\":" : ",{\"band\":";
    appendQuoted(results.text(count.band), &text);
    text += ",\"mode\":";
    appendQuoted(results.text(count.mode), &text);
    text += ",\"count\":" + std::to_string(count.count) + "}";
  }
  return text + "]";
}

LineMultipliers::LineMultipliers(const Results& results) : none_(results.multiplierRules.empty()) {
  for (const std::string& rule : results.multiplierRules) {
    appendQuoted(rule, &rules_.emplace_back());
    rules_.back() += ':';
  }
  for (TextId id = 0; id < results.multiplierValues.size(); ++id) {
    appendQuoted(results.multiplierValues.view(id), &values_.emplace_back());
  }
}

std::string_view LineMultipliers::of(const Entrant& entrant, std::size_t lineIndex,
                                     std::size_t* next) {
  if (none_) return {};
  text_ = ",\"multipliers\":{";
  const std::vector<MultiplierFound>& found = entrant.multipliers;
  for (; *next < found.size() && found[*next].lineIndex == static_cast<std::int32_t>(lineIndex);
       ++*next) {
    if (text_.back() != '{') text_ += ',';
    text_ += rules_[found[*next].rule];
    text_ += values_[found[*next].value];
  }
  text_ += '}';
  return text_;
}

}  // namespace crosscheck
