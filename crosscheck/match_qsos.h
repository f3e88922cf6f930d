#ifndef ZVK_CROSSCHECK_MATCH_QSOS_H_
#define ZVK_CROSSCHECK_MATCH_QSOS_H_

#include <cstdint>
#include <vector>

#include "crosscheck/contest_logs.h"
#include "crosscheck/exchange_compare.h"
#include "crosscheck/own_log_rules.h"
#include "crosscheck/qso_index.h"

namespace crosscheck {

// How a line found the other station's half of its QSO.
enum class MatchKind : std::uint8_t {
  kNone,
  kExact,          // both calls right, within the window
  kCallMiscopied,  // one of the two logs miscopied the other's call
  kOutsideWindow,  // both calls right, but too far apart in time
};

struct Matches {
  std::vector<std::int32_t> partner;  // by line: the other log's line, or -1
  std::vector<MatchKind> kind;
};

struct MatchSettings {
  Minute windowMinutes = 5;
  const std::vector<std::int32_t>* clockOffsets = nullptr;  // by entrant
};

// Pairs the lines of different logs that are one QSO, relaxing one thing at
// a time: first both calls right within the window (exchanges that agree
// preferred), then one call a miscopy (CW look-alikes first), then the time.
// Each pass takes its closest pairs first, so a tie goes to the nearest.
Matches matchQsos(const ContestLogs& contest, const QsoIndex& index, const OwnLogRules& own,
                  const ExchangeCompare& exchanges, const MatchSettings& settings);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_MATCH_QSOS_H_
