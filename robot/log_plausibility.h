#ifndef ZVK_ROBOT_LOG_PLAUSIBILITY_H_
#define ZVK_ROBOT_LOG_PLAUSIBILITY_H_

#include "import/log_import.h"
#include "robot/log_facts.h"

namespace robot {

// A claimed score is far from the rules' claim when the two are more than
// this many percent of the rules' claim apart, and more than this many points.
constexpr int kClaimTolerancePercent = 10;
constexpr int kClaimTolerancePoints = 10;

// Adds to `facts` a warning for each thing the log says of itself that does
// not fit: a CALLSIGN: that no QSO line sends, a Cabrillo log without its
// END-OF-LOG: (cut short?), a CLAIMED-SCORE far from the claim by the rules.
void warnAboutPlausibility(const imports::ImportedLog& log, imports::LogFormat format,
                           LogFacts* facts);

}  // namespace robot

#endif  // ZVK_ROBOT_LOG_PLAUSIBILITY_H_
