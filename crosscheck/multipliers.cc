#include "crosscheck/multipliers.h"

#include <algorithm>

namespace crosscheck {
namespace {

void addOnce(TextId id, std::vector<TextId>* known) {
  if (std::find(known->begin(), known->end(), id) == known->end()) known->push_back(id);
}

// The multipliers one log has given so far, a bit for each slot. The bits
// are kept for the thread, as a log gives a few hundred of a contest's many
// slots and two threads count at once; only the bits set are cleared after.
class SeenSlots {
 public:
  explicit SeenSlots(std::size_t slots) : bits_(threadBits()) {
    if (bits_.size() < slots) bits_.resize(slots);
  }
  ~SeenSlots() {
    for (std::size_t slot : set_) bits_[slot] = false;
  }
  SeenSlots(const SeenSlots&) = delete;
  SeenSlots& operator=(const SeenSlots&) = delete;

  // Whether `slot` is new to the log.
  bool insert(std::size_t slot) {
    if (bits_[slot]) return false;
    bits_[slot] = true;
    set_.push_back(slot);
    return true;
  }
  std::size_t size() const { return set_.size(); }

 private:
  static std::vector<bool>& threadBits() {
    thread_local std::vector<bool> bits;
    return bits;
  }

  std::vector<bool>& bits_;
  std::vector<std::size_t> set_;
};

}  // namespace

MultiplierCounter::MultiplierCounter(const ContestDefinition& definition,
                                     const ContestLogs& contest, const QsoFacts& facts)
    : rules_(definition.multipliers), facts_(facts) {
  for (const Line& line : contest.lines) {
    if (bands_.empty() || bands_.back() != line.band) addOnce(line.band, &bands_);
    if (modes_.empty() || modes_.back() != line.mode) addOnce(line.mode, &modes_);
  }
  slots_ = facts.valueCount() * rules_.size() * (bands_.size() + 1) * (modes_.size() + 1);
}

std::vector<MultiplierFound> MultiplierCounter::count(const std::vector<LineResult>& lines,
                                                      std::size_t firstLine) const {
  std::vector<MultiplierFound> found;
  SeenSlots seen(slots_);
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (!lines[k].multiplierCounts) continue;
    for (std::size_t rule = 0; rule < rules_.size(); ++rule) {
      const TextId value = facts_.value(firstLine + k, rule);
      if (value == QsoFacts::kNoValue ||
          !seen.insert(slotOf(rule, value, lines[k].band, lines[k].mode))) {
        continue;
      }
      found.push_back({static_cast<std::uint8_t>(rule), value, lines[k].band, lines[k].mode,
                       static_cast<std::int32_t>(k)});
    }
  }
  return found;
}

std::size_t MultiplierCounter::claimed(const std::vector<Line>& lines, const OwnLogRules& own,
                                       std::size_t first, std::size_t count) const {
  SeenSlots seen(slots_);
  for (std::size_t i = first; i < first + count; ++i) {
    if (!own.claims(i)) continue;
    for (std::size_t rule = 0; rule < rules_.size(); ++rule) {
      const TextId value = facts_.value(i, rule);
      if (value != QsoFacts::kNoValue)
        seen.insert(slotOf(rule, value, lines[i].band, lines[i].mode));
    }
  }
  return seen.size();
}

// The value, the rule and as much of the line's band and mode as the rule's
// scope tells apart, as one place among the slots.
std::size_t MultiplierCounter::slotOf(std::size_t rule, TextId value, TextId band,
                                      TextId mode) const {
  const MultiplierScope scope = rules_[rule].scope;
  const bool byBand = scope == MultiplierScope::kBand || scope == MultiplierScope::kBandAndMode;
  const bool byMode = scope == MultiplierScope::kMode || scope == MultiplierScope::kBandAndMode;
  const std::size_t bandKey = byBand ? indexOf(bands_, band) + 1 : 0;
  const std::size_t modeKey = byMode ? indexOf(modes_, mode) + 1 : 0;
  return ((std::size_t{value} * rules_.size() + rule) * (bands_.size() + 1) + bandKey) *
             (modes_.size() + 1) +
         modeKey;
}

std::uint32_t MultiplierCounter::indexOf(const std::vector<TextId>& known, TextId id) const {
  return static_cast<std::uint32_t>(std::find(known.begin(), known.end(), id) - known.begin());
}

}  // namespace crosscheck
