#ifndef ZVK_CROSSCHECK_MULTIPLIER_CREDIT_H_
#define ZVK_CROSSCHECK_MULTIPLIER_CREDIT_H_

#include "crosscheck/contest_definition.h"
#include "crosscheck/results.h"

namespace crosscheck {

// Whether a line judged `result` may give a multiplier: a confirmed QSO, a
// credited unique, and a miscopied exchange where ExchangeErrorMultiplier=yes.
bool resultGivesMultiplier(Result result, const ContestDefinition& definition);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_MULTIPLIER_CREDIT_H_
