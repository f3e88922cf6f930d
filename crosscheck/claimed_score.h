#ifndef ZVK_CROSSCHECK_CLAIMED_SCORE_H_
#define ZVK_CROSSCHECK_CLAIMED_SCORE_H_

#include <cstdint>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/contest_logs.h"
#include "crosscheck/log_check.h"
#include "crosscheck/multipliers.h"
#include "crosscheck/qso_facts.h"
#include "crosscheck/qso_points.h"

namespace crosscheck {

// Whether the definition scores by more than the plug-in's points: by where
// the stations are, or with multipliers. Its claimed scores then need the
// QSO facts.
bool scoresBeyondThePlugin(const ContestDefinition& definition);

// What a log claims by the rules: its QSO points, its multipliers and the
// score the definition's formula makes of them.
struct ClaimedScore {
  std::int64_t qsoPoints = 0;
  std::int64_t multipliers = 0;
  std::int64_t score = 0;
};

// What `log` of `contest` claims by such a definition: the base points and
// the multipliers of the lines that claim by its own rules (`own`, by line
// of the contest), by the definition's formula.
ClaimedScore claimedByDefinition(const ContestLogs& contest, const LogHeader& log,
                                 const OwnLogRules& own, const ContestDefinition& definition,
                                 const QsoPoints& points, const MultiplierCounter* counter);

// The same for a log checked alone, as the robot's receipt gives it; its
// texts are `texts`, the pool it was checked into.
ClaimedScore claimedByDefinition(const CheckedLog& checked, TextPool texts,
                                 const ContestDefinition& definition, const StationFiles& files);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_CLAIMED_SCORE_H_
