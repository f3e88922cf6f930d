#ifndef ZVK_CROSSCHECK_MINUTE_DUPES_H_
#define ZVK_CROSSCHECK_MINUTE_DUPES_H_

#include "crosscheck/contest_definition.h"
#include "crosscheck/contest_logs.h"
#include "crosscheck/judge_lines.h"

namespace crosscheck {

// Dupes=minutes:N: a line with the same call, band and mode less than N
// minutes after the last earlier line of its log that counted (ok, or a
// credited unique) is a dupe. A QSO that did not count leaves the station
// free to be worked again at once: that is how operators repair one.
void markMinuteDupes(const ContestLogs& contest, const ContestDefinition& definition,
                     Judgements* judgements);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_MINUTE_DUPES_H_
