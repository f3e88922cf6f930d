#include "crosscheck/error_credit.h"

#include <algorithm>
#include <string>
#include <vector>

#include "crosscheck/definition_values.h"
#include "import/text_case.h"

namespace crosscheck {
namespace {

constexpr int kMostPenalty = 100;
constexpr std::string_view kPointsUnit = "points";
// The error kinds of Errors= and Penalty= lists, by index.
const std::vector<std::string> kErrorKinds = {"busted-call", "busted-exchange", "not-in-log"};
enum ErrorKindIndex { kBustedCall, kBustedExchange, kNotInLog };
const std::vector<std::string> kSides = {"own", "both"};

std::optional<Penalty> parsePenalty(std::string_view text) {
  Penalty penalty;
  if (text.size() > kPointsUnit.size() &&
      imports::toLower(text.substr(text.size() - kPointsUnit.size())) == kPointsUnit) {
    penalty.inPoints = true;
    text.remove_suffix(kPointsUnit.size());
  }
  std::optional<int> amount = parseCount(text, kMostPenalty);
  if (!amount) return std::nullopt;
  penalty.amount = *amount;
  return penalty;
}

}  // namespace

std::int32_t penaltyPoints(const Penalty& penalty, std::int32_t qsoPoints) {
  return penalty.inPoints ? penalty.amount : penalty.amount * qsoPoints;
}

std::int32_t exchangeErrorPoints(const ErrorCredit& credit, std::int32_t qsoPoints) {
  return std::min(credit.exchangeErrorPoints, qsoPoints);
}

bool parseErrorVoids(std::string_view text, ErrorCredit* credit) {
  if (std::optional<std::size_t> side = parseWord(text, kSides)) {
    credit->bustedCallVoidsBoth = credit->bustedExchangeVoidsBoth = *side == 1;
    return true;
  }
  auto pairs = parsePairList(text);
  if (!pairs) return false;
  for (const auto& [kind, sideText] : *pairs) {
    std::optional<std::size_t> index = parseWord(kind, kErrorKinds);
    std::optional<std::size_t> side = parseWord(sideText, kSides);
    // The other log of a not-in-log QSO holds no line to void.
    if (!index || !side || *index == kNotInLog) return false;
    (*index == kBustedCall ? credit->bustedCallVoidsBoth : credit->bustedExchangeVoidsBoth) =
        *side == 1;
  }
  return true;
}

bool parsePenalties(std::string_view text, ErrorCredit* credit) {
  if (std::optional<int> times = parseCount(text, kMostPenalty)) {
    credit->bustedCall = credit->notInLog = Penalty{*times, false};
    return true;
  }
  auto pairs = parsePairList(text);
  if (!pairs) return false;
  for (const auto& [kind, amount] : *pairs) {
    std::optional<std::size_t> index = parseWord(kind, kErrorKinds);
    std::optional<Penalty> penalty = parsePenalty(amount);
    if (!index || !penalty || *index == kBustedExchange) return false;
    (*index == kBustedCall ? credit->bustedCall : credit->notInLog) = *penalty;
  }
  return true;
}

}  // namespace crosscheck
