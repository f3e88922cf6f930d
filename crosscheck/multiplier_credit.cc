#include "crosscheck/multiplier_credit.h"

#include <vector>

namespace crosscheck {

bool resultGivesMultiplier(Result result, const ContestDefinition& definition) {
  switch (result) {
    case Result::kOk:
      return true;
    case Result::kUnique:
      return definition.creditUniques;
    case Result::kBustedExchange:
      return definition.errors.exchangeErrorMultiplier;
    default:
      return false;
  }
}

bool sendsAllowedWords(std::string_view call, std::string_view received,
                       const ContestDefinition& definition) {
  if (!definition.allowedValues) return true;
  const AllowedValues& allowed = *definition.allowedValues;
  const std::string_view country = allowed.countryByPrefix(call);
  for (ExchangeKind kind : comparedFields(definition)) {
    const std::size_t blank = received.find(' ');
    const std::string_view field = received.substr(0, blank);
    received = blank == std::string_view::npos ? std::string_view() : received.substr(blank + 1);
    if (kind == ExchangeKind::kWord && !allowed.allows(country, field)) return false;
  }
  return true;
}

}  // namespace crosscheck
