#include "crosscheck/partner_errors.h"

namespace crosscheck {

void voidPartnersOfErrors(const Matches& matches, const ErrorCredit& errors,
                          Judgements* judgements) {
  if (!errors.bustedCallVoidsBoth && !errors.bustedExchangeVoidsBoth) return;
  std::vector<Result>& result = judgements->result;
  const std::vector<Result> judged = result;
  for (std::size_t i = 0; i < result.size(); ++i) {
    const std::int32_t partner = matches.partner[i];
    if (partner < 0 || judged[i] != Result::kOk) continue;
    const Result theirs = judged[static_cast<std::size_t>(partner)];
    if (theirs == Result::kBustedCall && errors.bustedCallVoidsBoth)
      result[i] = Result::kPartnerBustedCall;
    if (theirs == Result::kBustedExchange && errors.bustedExchangeVoidsBoth)
      result[i] = Result::kPartnerBustedExchange;
  }
}

}  // namespace crosscheck
