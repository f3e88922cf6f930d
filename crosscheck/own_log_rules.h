#ifndef ZVK_CROSSCHECK_OWN_LOG_RULES_H_
#define ZVK_CROSSCHECK_OWN_LOG_RULES_H_

#include <cstdint>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/contest_logs.h"
#include "log/add_qso.h"

namespace crosscheck {

// What each log's own lines say before any other log is looked at.
struct OwnLogRules {
  // By line: kNotContest, kOutsidePeriod or kDupe, else kOk (left to the
  // matching).
  std::vector<Result> result;
  // By line: the points the plug-in counts for it; by entrant: their sum,
  // the plug-in's claimed score of the log.
  std::vector<std::int32_t> claimedPoints;
  std::vector<std::int64_t> claimedByRules;
  // By line: why the plug-in takes it for no contest QSO, if it does.
  std::vector<Rejection> rejection;

  // A line on the contest's bands and modes: it can confirm another log's
  // QSO, even when it is a dupe or outside the period.
  bool canConfirm(std::size_t line) const { return result[line] != Result::kNotContest; }

  // Whether line `i` claims anything by the rules: counted, not a dupe, and
  // with its whole exchange.
  bool claims(std::size_t i) const {
    return result[i] == Result::kOk && rejection[i] == Rejection::kNone;
  }
};

// Whether the plug-in rejects a QSO for its band or mode, rather than for
// a missing exchange.
bool isOffContest(Rejection rejection);

// Applies the plug-in's own rules to the lines of one log, their texts in
// `texts` (claimedByRules holds the log's one sum): the band and mode lists and the missing
// exchange as it rejects QSOs (a line lacking a field of the exchange lacks
// it), the dupe rule on its hour numbers (unless the definition counts dupes
// in minutes, which needs the matching), the points rule for the claimed
// score; then the definition's frequency limits (a line outside is
// not-contest) and the period, `from` to `to` included: a line outside either
// claims nothing.
OwnLogRules applyOwnLogRules(const std::vector<Line>& lines, const TextPool& texts,
                             const ContestDefinition& definition, Minute from, Minute to);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_OWN_LOG_RULES_H_
