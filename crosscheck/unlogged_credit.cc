#include "crosscheck/unlogged_credit.h"

#include <string>
#include <vector>

#include "crosscheck/definition_values.h"

namespace crosscheck {
namespace {

constexpr int kMostCount = 1000000;
const std::vector<std::string> kCounted = {"logs", "lines"};

}  // namespace

std::optional<UnloggedCredit> parseUnloggedCredit(std::string_view text) {
  auto pairs = parsePairList(text);
  if (!pairs || pairs->size() != 1) return std::nullopt;
  std::optional<std::size_t> counted = parseWord(pairs->front().first, kCounted);
  std::optional<int> least = parseCount(pairs->front().second, kMostCount);
  if (!counted || !least || *least < 1) return std::nullopt;
  UnloggedCredit credit;
  credit.byLines = *counted == 1;
  credit.least = *least;
  return credit;
}

}  // namespace crosscheck
