#ifndef ZVK_CROSSCHECK_PARTNER_ERRORS_H_
#define ZVK_CROSSCHECK_PARTNER_ERRORS_H_

#include "crosscheck/error_credit.h"
#include "crosscheck/judge_lines.h"
#include "crosscheck/match_qsos.h"

namespace crosscheck {

// Errors=both (or per kind): a line whose other half was judged busted-call
// or busted-exchange loses the QSO too, as partner-busted-call or
// partner-busted-exchange, unless it is at fault itself.
void voidPartnersOfErrors(const Matches& matches, const ErrorCredit& errors,
                          Judgements* judgements);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_PARTNER_ERRORS_H_
