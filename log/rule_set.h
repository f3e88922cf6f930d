#ifndef ZVK_LOG_RULE_SET_H_
#define ZVK_LOG_RULE_SET_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// How a contest counts QSOs, as data: the plug-in runs the ZVK CW Contest's
// set, the cross-check runs whichever set a contest definition gives. Every
// rule is decided here once, so both count the same way.
namespace rules {

// Points by the exchange received: the first entry whose text equals it
// exactly, else `otherwise`.
struct PointsRule {
  struct Entry {
    std::string exchange;
    std::int32_t points = 0;
  };
  std::vector<Entry> byExchange;
  std::int32_t otherwise = 1;

  std::int32_t pointsFor(std::string_view exchRcvd) const;
};

// When a QSO repeats an earlier one with the same call, band and mode.
struct DupeRule {
  enum class Kind { kWithinHours, kOncePerBand };
  Kind kind = Kind::kWithinHours;
  // kWithinHours: a repeat when the hour numbers (whole hours on the full
  // date) differ by less than this.
  std::int64_t hours = 4;

  bool repeats(std::int64_t laterHour, std::int64_t earlierHour) const;
};

struct RuleSet {
  std::vector<std::string> bands;  // as hosts name them ("80m"); matched ignoring case
  std::vector<std::string> modes;  // matched ignoring case
  DupeRule dupe;
  PointsRule points;

  bool hasBand(std::string_view band) const;
  bool hasMode(std::string_view mode) const;
};

// The received exchange of a station that is no club member.
constexpr char kNonMemberExchange[] = "NM";

// The ZVK CW Contest: 80/40/20/15/10 m CW, a dupe within four hours,
// 1 point for "NM" received and 5 for a member number.
const RuleSet& zvkCwRules();

}  // namespace rules

#endif  // ZVK_LOG_RULE_SET_H_
