#ifndef ZVK_CROSSCHECK_SCORE_CONTEST_H_
#define ZVK_CROSSCHECK_SCORE_CONTEST_H_

#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/judge_lines.h"
#include "crosscheck/match_qsos.h"
#include "crosscheck/overrides.h"
#include "crosscheck/own_log_rules.h"
#include "crosscheck/qso_facts.h"
#include "crosscheck/results.h"
#include "crosscheck/unlogged_calls.h"

namespace crosscheck {

// What the stages before found, by line and by entrant.
struct Findings {
  const OwnLogRules& own;
  const Matches& matches;
  const Judgements& judgements;
  const OverrideReasons& overrideReasons;
  const std::vector<std::int32_t>& clockOffsets;
  const CallEvidence& evidence;
  const StationFiles& stations;  // where stations are, for multipliers and points
};

// The points of each line (ok and credited uniques earn theirs, not-in-log
// and busted-call lose the penalty), each entrant's scores and tallies, and
// the places by category then checked score. Takes the contest's texts over.
Results scoreContest(ContestLogs contest, const Findings& findings,
                     const ContestDefinition& definition, Minute from, Minute to);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_SCORE_CONTEST_H_
