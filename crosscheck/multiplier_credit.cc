#include "crosscheck/multiplier_credit.h"

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

}  // namespace crosscheck
