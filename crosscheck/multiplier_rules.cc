#include "crosscheck/multiplier_rules.h"

#include <algorithm>

#include "crosscheck/definition_values.h"
#include "import/text_case.h"

namespace crosscheck {
namespace {

constexpr int kMostFields = 16;
constexpr int kMostPoints = 1000;
constexpr int kMostBonus = 1000000;

// Multipliers= kind words, in the order of MultiplierKind after kField.
const std::vector<std::string> kCallKinds = {"country",   "cq-zone", "itu-zone",
                                             "continent", "wpx",     "call"};
// "per ..." words, in the order of MultiplierScope after kContest.
const std::vector<std::string> kScopes = {"contest", "band", "mode", "band-mode"};
const std::vector<std::string> kContinents = {"AF", "AN", "AS", "EU", "NA", "OC", "SA"};
// RelationPoints= words, in the order of Relation; a pair has none.
const std::vector<std::string> kRelations = {
    "no-zone", "same-zone", "same-country", "", "same-continent", "other-continent", "*"};

// The words of `text` between blanks.
std::vector<std::string_view> wordsOf(std::string_view text) {
  std::vector<std::string_view> words;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    if (end > at) words.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return words;
}

// "field 2", "country": the kind and where it reads; the words it took.
std::size_t readKind(const std::vector<std::string_view>& words, MultiplierRule* rule) {
  if (imports::toLower(words[0]) == "field") {
    if (words.size() < 2) return 0;
    std::optional<int> field = parseCount(words[1], kMostFields);
    if (!field || *field == 0) return 0;
    rule->kind = MultiplierKind::kField;
    rule->field = *field;
    return 2;
  }
  std::optional<std::size_t> kind = parseWord(words[0], kCallKinds);
  if (!kind) return 0;
  rule->kind = static_cast<MultiplierKind>(*kind + 1);
  return 1;
}

std::optional<MultiplierRule> parseRule(std::string_view item) {
  const std::vector<std::string_view> words = wordsOf(item);
  MultiplierRule rule;
  const std::size_t used = readKind(words, &rule);
  if (used == 0) return std::nullopt;
  if (words.size() == used + 2 && imports::toLower(words[used]) == "per") {
    std::optional<std::size_t> scope = parseWord(words[used + 1], kScopes);
    if (!scope) return std::nullopt;
    rule.scope = static_cast<MultiplierScope>(*scope);
  } else if (words.size() != used) {
    return std::nullopt;
  }
  for (std::string_view word : words)
    rule.name += (rule.name.empty() ? "" : " ") + imports::toLower(word);
  return rule;
}

// "NA-NA": the two continents in order, or nothing.
std::optional<std::string> continentPair(std::string_view text) {
  if (text.size() != 5 || text[2] != '-') return std::nullopt;
  std::string first = imports::toUpper(text.substr(0, 2));
  std::string second = imports::toUpper(text.substr(3, 2));
  auto known = [](const std::string& c) {
    return std::find(kContinents.begin(), kContinents.end(), c) != kContinents.end();
  };
  if (!known(first) || !known(second)) return std::nullopt;
  return std::min(first, second) + std::max(first, second);
}

bool readRelation(std::string_view name, RelationEntry* entry) {
  if (std::optional<std::string> pair = continentPair(name)) {
    entry->relation = Relation::kContinentPair;
    entry->pair = *pair;
    return true;
  }
  std::optional<std::size_t> relation = parseWord(name, kRelations);
  if (!relation || kRelations[*relation].empty()) return false;
  entry->relation = static_cast<Relation>(*relation);
  return true;
}

std::optional<RelationEntry> parseRelationEntry(std::string_view item) {
  const std::size_t equals = item.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  std::string_view name = trimmed(item.substr(0, equals));
  RelationEntry entry;
  const std::size_t at = name.find('@');
  if (at != std::string_view::npos) {
    entry.band = imports::toLower(trimmed(name.substr(at + 1)));
    std::optional<std::vector<std::string>> band = parseBandList(entry.band);
    if (!band || band->size() != 1) return std::nullopt;
    name = trimmed(name.substr(0, at));
  }
  std::optional<int> points = parseCount(trimmed(item.substr(equals + 1)), kMostPoints);
  if (!points || !readRelation(name, &entry)) return std::nullopt;
  entry.points = *points;
  return entry;
}

bool sameEntry(const RelationEntry& a, const RelationEntry& b) {
  return a.relation == b.relation && a.pair == b.pair && a.band == b.band;
}

}  // namespace

std::optional<std::vector<MultiplierRule>> parseMultipliers(std::string_view text) {
  std::optional<std::vector<std::string_view>> items = splitList(text);
  if (!items || items->size() > kMostMultiplierRules) return std::nullopt;
  std::vector<MultiplierRule> rules;
  for (std::string_view item : *items) {
    std::optional<MultiplierRule> rule = parseRule(item);
    if (!rule) return std::nullopt;
    for (const MultiplierRule& earlier : rules) {
      if (earlier.name == rule->name) return std::nullopt;
    }
    rules.push_back(std::move(*rule));
  }
  return rules;
}

std::int64_t ScoreFormula::score(std::int64_t points, std::int64_t multipliers) const {
  switch (kind) {
    case Kind::kPoints:
      return points;
    case Kind::kTimesMultipliers:
      return points * multipliers;
    case Kind::kPlusBonus:
      return points + bonus * multipliers;
  }
  return points;
}

std::string ScoreFormula::text() const {
  switch (kind) {
    case Kind::kPoints:
      return "points";
    case Kind::kTimesMultipliers:
      return "points*multipliers";
    case Kind::kPlusBonus:
      return "points+" + std::to_string(bonus) + "*multipliers";
  }
  return "points";
}

std::optional<ScoreFormula> parseScoreFormula(std::string_view text) {
  std::string compact;
  for (char c : imports::toLower(text)) {
    if (c != ' ' && c != '\t') compact += c;
  }
  if (compact == "points") return ScoreFormula{};
  if (compact == "points*multipliers")
    return ScoreFormula{ScoreFormula::Kind::kTimesMultipliers, 0};
  constexpr std::string_view kPlus = "points+";
  constexpr std::string_view kTimes = "*multipliers";
  if (compact.size() <= kPlus.size() + kTimes.size() ||
      compact.compare(0, kPlus.size(), kPlus) != 0 ||
      compact.compare(compact.size() - kTimes.size(), kTimes.size(), kTimes) != 0) {
    return std::nullopt;
  }
  std::optional<int> bonus = parseCount(
      std::string_view(compact).substr(kPlus.size(), compact.size() - kPlus.size() - kTimes.size()),
      kMostBonus);
  if (!bonus) return std::nullopt;
  return ScoreFormula{ScoreFormula::Kind::kPlusBonus, *bonus};
}

std::uint8_t continentCode(std::string_view continent) {
  for (std::size_t k = 0; k < kContinents.size(); ++k) {
    if (kContinents[k] == continent) return static_cast<std::uint8_t>(k + 1);
  }
  return 0;
}

std::string_view continentName(std::uint8_t code) {
  return code == 0 || code > kContinents.size() ? std::string_view() : kContinents[code - 1];
}

std::optional<std::vector<RelationEntry>> parseRelationPoints(std::string_view text) {
  std::optional<std::vector<std::string_view>> items = splitList(text);
  if (!items) return std::nullopt;
  std::vector<RelationEntry> entries;
  for (std::string_view item : *items) {
    std::optional<RelationEntry> entry = parseRelationEntry(item);
    if (!entry) return std::nullopt;
    for (const RelationEntry& earlier : entries) {
      if (sameEntry(earlier, *entry)) return std::nullopt;
    }
    entries.push_back(std::move(*entry));
  }
  return entries;
}

}  // namespace crosscheck
