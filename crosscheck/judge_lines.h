#ifndef ZVK_CROSSCHECK_JUDGE_LINES_H_
#define ZVK_CROSSCHECK_JUDGE_LINES_H_

#include <vector>

#include "crosscheck/contest_logs.h"
#include "crosscheck/exchange_compare.h"
#include "crosscheck/match_qsos.h"
#include "crosscheck/own_log_rules.h"
#include "crosscheck/unlogged_calls.h"

namespace crosscheck {

// By line: exactly one result, and for busted-call and busted-exchange what
// the line should have said.
struct Judgements {
  std::vector<Result> result;
  std::vector<TextId> correctCall;
  std::vector<TextId> correctExch;
};

// Where the other half of a QSO was looked for: to tell a unique call from a
// miscopy of a call whose log holds no such QSO.
struct SearchedLogs {
  const QsoIndex& index;
  const MatchSettings& settings;
};

Judgements judgeLines(const ContestLogs& contest, const OwnLogRules& own, const Matches& matches,
                      const CallEvidence& evidence, const ExchangeCompare& exchanges,
                      const SearchedLogs& searched);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_JUDGE_LINES_H_
