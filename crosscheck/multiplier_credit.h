#ifndef ZVK_CROSSCHECK_MULTIPLIER_CREDIT_H_
#define ZVK_CROSSCHECK_MULTIPLIER_CREDIT_H_

#include <string_view>

#include "crosscheck/contest_definition.h"
#include "crosscheck/results.h"

namespace crosscheck {

// Whether a line judged `result` may give a multiplier: a confirmed QSO, a
// credited unique, and a miscopied exchange where ExchangeErrorMultiplier=yes.
bool resultGivesMultiplier(Result result, const ContestDefinition& definition);

// Whether each word field of `received` is a value a station of `call`'s
// country may send, by the definition's allowed values (true without them).
// The country is the longest prefix of the allowed values `call` starts with.
bool sendsAllowedWords(std::string_view call, std::string_view received,
                       const ContestDefinition& definition);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_MULTIPLIER_CREDIT_H_
