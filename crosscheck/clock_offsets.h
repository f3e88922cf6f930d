#ifndef ZVK_CROSSCHECK_CLOCK_OFFSETS_H_
#define ZVK_CROSSCHECK_CLOCK_OFFSETS_H_

#include <cstdint>
#include <vector>

#include "crosscheck/contest_logs.h"
#include "crosscheck/own_log_rules.h"
#include "crosscheck/qso_index.h"

namespace crosscheck {

// How far apart two logs' times of one QSO may lie for it to count in the
// clock estimate: wide enough for a clock an hour off, narrow enough that
// the dupe rule leaves one QSO of a pair on a band.
constexpr Minute kClockSearchMinutes = 120;

// By entrant: the whole minutes its clock runs ahead of the others (negative:
// behind), the median of the time differences of QSOs that both logs hold
// once within kClockSearchMinutes, the other logs' own offsets taken out.
// Zero for a log with too few such QSOs agreeing on it.
std::vector<std::int32_t> estimateClockOffsets(const ContestLogs& contest, const QsoIndex& index,
                                               const OwnLogRules& own);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_CLOCK_OFFSETS_H_
