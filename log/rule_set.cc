#include "log/rule_set.h"

#include "platform/text.h"

namespace rules {
namespace {

bool listHolds(const std::vector<std::string>& list, std::string_view text) {
  const std::string wanted(text);
  for (const std::string& entry : list) {
    if (platform::equalNoCase(entry.c_str(), wanted.c_str())) return true;
  }
  return false;
}

RuleSet makeZvkCwRules() {
  RuleSet set;
  set.bands = {"80m", "40m", "20m", "15m", "10m"};
  set.modes = {"CW"};
  set.dupe = {DupeRule::Kind::kWithinHours, 4};
  set.points = {{{kNonMemberExchange, 1}}, 5};
  return set;
}

}  // namespace

std::int32_t PointsRule::pointsFor(std::string_view exchRcvd) const {
  for (const Entry& entry : byExchange) {
    if (entry.exchange == exchRcvd) return entry.points;
  }
  return otherwise;
}

bool DupeRule::repeats(std::int64_t laterHour, std::int64_t earlierHour) const {
  return kind == Kind::kOncePerBand || laterHour - earlierHour < hours;
}

bool RuleSet::hasBand(std::string_view band) const { return listHolds(bands, band); }
bool RuleSet::hasMode(std::string_view mode) const { return listHolds(modes, mode); }

const RuleSet& zvkCwRules() {
  static const RuleSet kRules = makeZvkCwRules();
  return kRules;
}

}  // namespace rules
