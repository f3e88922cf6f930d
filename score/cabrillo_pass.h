#ifndef ZVK_SCORE_CABRILLO_PASS_H_
#define ZVK_SCORE_CABRILLO_PASS_H_

#include "cabrillo/station_data.h"
#include "log/contest_rules.h"
#include "log/qso_log.h"
#include "platform/env.h"

// Writes the Cabrillo file of every stored QSO, in log order, and shows the
// writer's message to the operator. The station's QSO lines are rebuilt from
// scratch, so each file lists every QSO once however often the pass runs. A
// mode the contest accepts (`modes`, any case) is written as "CW", any other
// as "??". Sets *out to -1 when `out` is not null.
void runCabrilloPass(const CQsoLog& log, const CContestRules& modes, int claimedScore,
                     CStationData& station, int* out, platform::Env& env);

#endif  // ZVK_SCORE_CABRILLO_PASS_H_
