#ifndef ZVK_CROSSCHECK_READ_LOGS_H_
#define ZVK_CROSSCHECK_READ_LOGS_H_

#include <functional>
#include <string>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/contest_logs.h"
#include "crosscheck/own_log_rules.h"

namespace crosscheck {

// The logs of a contest and what each log's own lines say.
struct CheckedContest {
  ContestLogs contest;
  OwnLogRules own;
};

// Reads and checks the files in order (checkLog in the period `from` to
// `to`: the next ones are read while the last one's rules are applied), so
// only a few logs' importer strings are ever held. A file that is no log, or
// no log of this contest (its CONTEST: names another), goes to `unreadable`
// with the reason; of two files with one entrant call, the one with more QSO
// lines is kept and both go to `duplicateLogs`. `onFileRead` is called once
// per file.
CheckedContest readLogs(const std::vector<std::string>& files, const ContestDefinition& definition,
                        Minute from, Minute to, const std::function<void()>& onFileRead);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_READ_LOGS_H_
