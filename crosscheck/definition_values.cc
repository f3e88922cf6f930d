#include "crosscheck/definition_values.h"

#include "import/text_case.h"
#include "import/utc_time.h"

namespace crosscheck {
namespace {

constexpr int kMostPoints = 1000;
constexpr int kMostDupeHours = 1000;
constexpr int kMostDupeMinutes = imports::kMinutesPerDay;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetterOrDigit(char c) {
  return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A wavelength as hosts name bands: digits (a decimal point allowed), then m or cm.
bool isBandName(std::string_view name) {
  std::string lower = imports::toLower(name);
  std::size_t unit = lower.size() > 2 && lower.compare(lower.size() - 2, 2, "cm") == 0 ? 2 : 1;
  if (lower.size() <= unit || lower.back() != 'm' || !isDigit(lower[0])) return false;
  for (std::size_t i = 0; i + unit < lower.size(); ++i) {
    if (!isDigit(lower[i]) && lower[i] != '.') return false;
  }
  return true;
}

bool isModeName(std::string_view name) {
  for (char c : name) {
    if (!isLetterOrDigit(c)) return false;
  }
  return true;
}

std::optional<std::vector<std::string>> parseNames(std::string_view text,
                                                   bool (*isName)(std::string_view)) {
  std::optional<std::vector<std::string_view>> items = splitList(text);
  if (!items) return std::nullopt;
  std::vector<std::string> names;
  for (std::string_view item : *items) {
    if (!isName(item)) return std::nullopt;
    names.emplace_back(item);
  }
  return names;
}

// "NM=1" into `points`; "*=5" sets the points of every other exchange.
bool addPointsEntry(std::string_view item, bool* otherwiseSet, rules::PointsRule* points) {
  std::size_t equals = item.find('=');
  if (equals == std::string_view::npos) return false;
  std::string_view exchange = trimmed(item.substr(0, equals));
  std::optional<int> value = parseCount(trimmed(item.substr(equals + 1)), kMostPoints);
  if (exchange.empty() || !value) return false;
  if (exchange == "*") {
    if (*otherwiseSet) return false;
    *otherwiseSet = true;
    points->otherwise = *value;
    return true;
  }
  for (const rules::PointsRule::Entry& entry : points->byExchange) {
    if (entry.exchange == exchange) return false;
  }
  points->byExchange.push_back({std::string(exchange), *value});
  return true;
}

}  // namespace

std::string_view trimmed(std::string_view text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::string_view();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<std::vector<std::string_view>> splitList(std::string_view text) {
  std::vector<std::string_view> items;
  for (std::size_t start = 0;;) {
    std::size_t comma = text.find(',', start);
    std::string_view item = trimmed(text.substr(start, comma - start));
    if (item.empty()) return std::nullopt;
    items.push_back(item);
    if (comma == std::string_view::npos) return items;
    start = comma + 1;
  }
}

std::optional<std::vector<std::string>> parseBandList(std::string_view text) {
  return parseNames(text, isBandName);
}

std::optional<std::vector<std::string>> parseModeList(std::string_view text) {
  return parseNames(text, isModeName);
}

std::optional<int> parseCount(std::string_view text, int most) {
  constexpr std::size_t kMostDigits = 9;
  if (text.empty() || text.size() > kMostDigits) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (!isDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > most) return std::nullopt;
  return value;
}

std::optional<rules::PointsRule> parsePoints(std::string_view text) {
  rules::PointsRule points;
  if (std::optional<int> all = parseCount(text, kMostPoints)) {
    points.otherwise = *all;
    return points;
  }
  std::optional<std::vector<std::string_view>> items = splitList(text);
  bool otherwiseSet = false;
  if (!items) return std::nullopt;
  for (std::string_view item : *items) {
    if (!addPointsEntry(item, &otherwiseSet, &points)) return std::nullopt;
  }
  if (!otherwiseSet) return std::nullopt;
  return points;
}

std::optional<rules::DupeRule> parseDupes(std::string_view text) {
  constexpr std::string_view kHours = "hours:";
  if (imports::toLower(text) == "band")
    return rules::DupeRule{rules::DupeRule::Kind::kOncePerBand, 0};
  if (!imports::startsWithNoCase(text, kHours)) return std::nullopt;
  std::optional<int> hours = parseCount(text.substr(kHours.size()), kMostDupeHours);
  if (!hours || *hours == 0) return std::nullopt;
  return rules::DupeRule{rules::DupeRule::Kind::kWithinHours, *hours};
}

std::optional<int> parseDupeMinutes(std::string_view text) {
  constexpr std::string_view kMinutes = "minutes:";
  if (!imports::startsWithNoCase(text, kMinutes)) return std::nullopt;
  std::optional<int> minutes = parseCount(text.substr(kMinutes.size()), kMostDupeMinutes);
  if (!minutes || *minutes == 0) return std::nullopt;
  return minutes;
}

std::optional<std::vector<std::size_t>> parseWordList(std::string_view text,
                                                      const std::vector<std::string>& words) {
  std::optional<std::vector<std::string_view>> items = splitList(text);
  if (!items) return std::nullopt;
  std::vector<std::size_t> indexes;
  for (std::string_view item : *items) {
    std::optional<std::size_t> index = parseWord(item, words);
    if (!index) return std::nullopt;
    indexes.push_back(*index);
  }
  return indexes;
}

std::optional<std::vector<std::pair<std::string_view, std::string_view>>> parsePairList(
    std::string_view text) {
  std::optional<std::vector<std::string_view>> items = splitList(text);
  if (!items) return std::nullopt;
  std::vector<std::pair<std::string_view, std::string_view>> pairs;
  for (std::string_view item : *items) {
    const std::size_t colon = item.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    pairs.emplace_back(trimmed(item.substr(0, colon)), trimmed(item.substr(colon + 1)));
    if (pairs.back().first.empty() || pairs.back().second.empty()) return std::nullopt;
  }
  return pairs;
}

std::optional<std::size_t> parseWord(std::string_view text, const std::vector<std::string>& words) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (imports::toLower(text) == imports::toLower(words[i])) return i;
  }
  return std::nullopt;
}

}  // namespace crosscheck
