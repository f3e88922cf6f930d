#include "crosscheck/unlogged_calls.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <unordered_map>

#include "crosscheck/call_distance.h"

namespace crosscheck {
namespace {

// Sorted, without repeats: each (call, ..., owner) once.
template <typename Tuple>
void sortUnique(std::vector<Tuple>* items) {
  std::sort(items->begin(), items->end());
  items->erase(std::unique(items->begin(), items->end()), items->end());
}

std::vector<std::int32_t> countAppearances(const ContestLogs& contest, const OwnLogRules& own) {
  std::vector<std::pair<TextId, std::int32_t>> callOwners;
  for (std::size_t i = 0; i < contest.lines.size(); ++i) {
    if (own.canConfirm(i)) callOwners.emplace_back(contest.lines[i].call, contest.lines[i].owner);
  }
  sortUnique(&callOwners);
  std::vector<std::int32_t> appearances(contest.texts.size(), 0);
  for (const auto& [call, owner] : callOwners) ++appearances[call];
  return appearances;
}

std::vector<TextId> agreeOnExchanges(const ContestLogs& contest, const OwnLogRules& own) {
  std::vector<std::tuple<TextId, TextId, std::int32_t>> said;  // call, exchange, owner
  for (std::size_t i = 0; i < contest.lines.size(); ++i) {
    const Line& line = contest.lines[i];
    if (!own.canConfirm(i) || contest.entrantOf(line.call) >= 0) continue;
    if (line.exchRcvd != TextPool::kEmpty) said.emplace_back(line.call, line.exchRcvd, line.owner);
  }
  sortUnique(&said);
  std::vector<TextId> agreed(contest.texts.size(), TextPool::kEmpty);
  std::vector<std::int32_t> best(contest.texts.size(), 0);
  for (std::size_t k = 0; k < said.size();) {
    const auto [call, exchange, owner] = said[k];
    std::size_t end = k;
    while (end < said.size() && std::get<0>(said[end]) == call &&
           std::get<1>(said[end]) == exchange) {
      ++end;
    }
    const auto count = static_cast<std::int32_t>(end - k);
    if (count > best[call]) {
      agreed[call] = count >= kLogsToAgree ? exchange : TextPool::kEmpty;
    } else if (count == best[call]) {
      agreed[call] = TextPool::kEmpty;  // no majority
    }
    best[call] = std::max(best[call], count);
    k = end;
  }
  return agreed;
}

// The calls a popular call can be miscopied into meet it under one of these
// keys: the call itself and the call with one character dropped.
std::vector<std::string> deletionKeys(std::string_view call) {
  std::vector<std::string> keys = {std::string(call)};
  for (std::size_t i = 0; i < call.size(); ++i) {
    keys.push_back(std::string(call.substr(0, i)) + std::string(call.substr(i + 1)));
  }
  return keys;
}

class PopularCalls {
 public:
  PopularCalls(const TextPool& texts, const std::vector<std::int32_t>& appearances)
      : texts_(texts), appearances_(appearances) {
    for (TextId id = 1; id < appearances.size(); ++id) {
      if (appearances[id] < kFarMoreLogs) continue;
      for (std::string& key : deletionKeys(texts.view(id))) byKey_[key].push_back(id);
    }
  }

  TextId likelyCallOf(TextId rare) const {
    TextId best = TextPool::kEmpty;
    auto rank = [&](TextId id) {
      return std::make_tuple(callDistance(texts_.view(rare), texts_.view(id)), -appearances_[id],
                             id);
    };
    for (const std::string& key : deletionKeys(texts_.view(rare))) {
      auto found = byKey_.find(key);
      if (found == byKey_.end()) continue;
      for (TextId id : found->second) {
        if (!isMiscopy(callDistance(texts_.view(rare), texts_.view(id)))) continue;
        if (appearances_[id] < kFarMoreLogs * appearances_[rare]) continue;
        if (best == TextPool::kEmpty || rank(id) < rank(best)) best = id;
      }
    }
    return best;
  }

 private:
  const TextPool& texts_;
  const std::vector<std::int32_t>& appearances_;
  std::unordered_map<std::string, std::vector<TextId>> byKey_;
};

}  // namespace

CallEvidence gatherCallEvidence(const ContestLogs& contest, const OwnLogRules& own,
                                bool fixedExchange) {
  CallEvidence evidence;
  evidence.appearances = countAppearances(contest, own);
  evidence.agreedExchange = fixedExchange
                                ? agreeOnExchanges(contest, own)
                                : std::vector<TextId>(contest.texts.size(), TextPool::kEmpty);
  evidence.likelyCall.assign(contest.texts.size(), TextPool::kEmpty);
  PopularCalls popular(contest.texts, evidence.appearances);
  for (TextId id = 1; id < evidence.appearances.size(); ++id) {
    const std::int32_t seen = evidence.appearances[id];
    if (seen > 0 && seen <= kRareLogs && contest.entrantOf(id) < 0) {
      evidence.likelyCall[id] = popular.likelyCallOf(id);
    }
  }
  return evidence;
}

}  // namespace crosscheck
