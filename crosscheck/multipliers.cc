#include "crosscheck/multipliers.h"

#include <algorithm>
#include <unordered_set>

namespace crosscheck {
namespace {

void addOnce(TextId id, std::vector<TextId>* known) {
  if (std::find(known->begin(), known->end(), id) == known->end()) known->push_back(id);
}

}  // namespace

MultiplierCounter::MultiplierCounter(const ContestDefinition& definition,
                                     const ContestLogs& contest, const QsoFacts& facts)
    : rules_(definition.multipliers), facts_(facts) {
  for (const Line& line : contest.lines) {
    if (bands_.empty() || bands_.back() != line.band) addOnce(line.band, &bands_);
    if (modes_.empty() || modes_.back() != line.mode) addOnce(line.mode, &modes_);
  }
}

std::vector<MultiplierFound> MultiplierCounter::count(const std::vector<LineResult>& lines,
                                                      std::size_t firstLine) const {
  std::vector<MultiplierFound> found;
  std::unordered_set<std::uint64_t> seen;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (!lines[k].multiplierCounts) continue;
    for (std::size_t rule = 0; rule < rules_.size(); ++rule) {
      const TextId value = facts_.value(firstLine + k, rule);
      if (value == QsoFacts::kNoValue ||
          !seen.insert(keyOf(rule, value, lines[k].band, lines[k].mode)).second) {
        continue;
      }
      found.push_back({static_cast<std::uint8_t>(rule), value, lines[k].band, lines[k].mode,
                       static_cast<std::int32_t>(k)});
    }
  }
  return found;
}

// The value, the rule and as much of the line's band and mode as the rule's
// scope tells apart, in one number.
std::size_t MultiplierCounter::claimed(const std::vector<Line>& lines, const OwnLogRules& own,
                                       std::size_t first, std::size_t count) const {
  std::unordered_set<std::uint64_t> seen;
  for (std::size_t i = first; i < first + count; ++i) {
    if (!own.claims(i)) continue;
    for (std::size_t rule = 0; rule < rules_.size(); ++rule) {
      const TextId value = facts_.value(i, rule);
      if (value != QsoFacts::kNoValue)
        seen.insert(keyOf(rule, value, lines[i].band, lines[i].mode));
    }
  }
  return seen.size();
}

std::uint64_t MultiplierCounter::keyOf(std::size_t rule, TextId value, TextId band,
                                       TextId mode) const {
  const MultiplierScope scope = rules_[rule].scope;
  const bool byBand = scope == MultiplierScope::kBand || scope == MultiplierScope::kBandAndMode;
  const bool byMode = scope == MultiplierScope::kMode || scope == MultiplierScope::kBandAndMode;
  const std::uint64_t bandKey = byBand ? indexOf(bands_, band) + 1 : 0;
  const std::uint64_t modeKey = byMode ? indexOf(modes_, mode) + 1 : 0;
  return std::uint64_t{value} << 32 | std::uint64_t{rule} << 24 | bandKey << 12 | modeKey;
}

std::uint32_t MultiplierCounter::indexOf(const std::vector<TextId>& known, TextId id) const {
  return static_cast<std::uint32_t>(std::find(known.begin(), known.end(), id) - known.begin());
}

}  // namespace crosscheck
