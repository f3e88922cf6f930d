#include "crosscheck/partner_errors.h"

namespace crosscheck {

void voidPartnersOfErrors(const Matches& matches, Judgements* judgements) {
  std::vector<Result>& result = judgements->result;
  const std::vector<Result> judged = result;
  for (std::size_t i = 0; i < result.size(); ++i) {
    const std::int32_t partner = matches.partner[i];
    if (partner < 0 || judged[i] != Result::kOk) continue;
    const Result theirs = judged[static_cast<std::size_t>(partner)];
    if (theirs == Result::kBustedCall) result[i] = Result::kPartnerBustedCall;
    if (theirs == Result::kBustedExchange) result[i] = Result::kPartnerBustedExchange;
  }
}

}  // namespace crosscheck
