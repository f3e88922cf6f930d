#ifndef ZVK_CROSSCHECK_LOG_CHECK_H_
#define ZVK_CROSSCHECK_LOG_CHECK_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/normalise.h"
#include "crosscheck/own_log_rules.h"
#include "import/input_error.h"
#include "import/qso.h"

namespace crosscheck {

// A QSO line the contest's rules give nothing or less than it looks to
// claim, and why.
struct LineWarning {
  int line = 0;
  std::string reason;
};

// What a log says on its own, before any other log is looked at: all the
// log robot's receipt and the cross-check's reading of a log need.
struct CheckedLog {
  imports::ImportedLog log;  // the QSOs read, split by the definition's layout
  // Every problem, in the order met: what the reader cannot read, a log of
  // another contest, an own call that is no call sign, the QSOs without a
  // call or a band, a log without an own call, and a log with no QSO in the
  // period. The robot refuses a log with any; the cross-check skips only an
  // unreadable one.
  imports::LogProblems problems;
  // The reader read the whole text and found QSOs of this contest: the
  // cross-check checks the log even with problems of single QSOs.
  bool readable = false;
  // Of a readable log: its QSOs normalised, and by QSO the own-log rules'
  // result and claim; their claimedByRules holds the log's claimed score by
  // the rules.
  NormalLog normal;
  OwnLogRules own;
  std::vector<LineWarning> warnings;  // by QSO
};

// The call the log is sent by, in upper case: its CALLSIGN:, else the own
// call of its first QSO; empty when it names none.
std::string ownCallOf(const imports::ImportedLog& log);

// Checks the log `text`, named `fileName` in its problems, by `definition`,
// its period `from` to `to` (included), its texts interned into `texts`:
// readLogToCheck, then applyLogRules.
CheckedLog checkLog(std::string_view text, const std::string& fileName,
                    const ContestDefinition& definition, Minute from, Minute to, TextPool& texts);

// The half of the check that touches nothing shared, for reading on many
// threads: the reading and the problems.
CheckedLog readLogToCheck(std::string_view text, const std::string& fileName,
                          const ContestDefinition& definition);

// The other half, for a readable log: normalises it into `texts`, applies the
// own-log rules and words the warnings. A log with no QSO in the period gets
// a problem but stays readable: the cross-check shows each of its lines
// outside the period, as a log whose clock was a day off shows its fault.
void applyLogRules(const ContestDefinition& definition, Minute from, Minute to, TextPool& texts,
                   CheckedLog* checked);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_LOG_CHECK_H_
