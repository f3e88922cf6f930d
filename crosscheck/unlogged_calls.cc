#include "crosscheck/unlogged_calls.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <unordered_map>

#include "crosscheck/call_distance.h"
#include "import/cabrillo_stations.h"

namespace crosscheck {
namespace {

// Sorted, without repeats: each (call, ..., owner) once.
template <typename Tuple>
void sortUnique(std::vector<Tuple>* items) {
  std::sort(items->begin(), items->end());
  items->erase(std::unique(items->begin(), items->end()), items->end());
}

// The logs each call appears in. A log's lines lie together, so a call
// already counted for the log being looked through is known by its last owner.
std::vector<std::int32_t> countAppearances(const ContestLogs& contest, const OwnLogRules& own) {
  std::vector<std::int32_t> appearances(contest.texts.size(), 0);
  std::vector<std::int32_t> lastOwner(contest.texts.size(), -1);
  for (std::size_t i = 0; i < contest.lines.size(); ++i) {
    const Line& line = contest.lines[i];
    if (!own.canConfirm(i) || lastOwner[line.call] == line.owner) continue;
    lastOwner[line.call] = line.owner;
    ++appearances[line.call];
  }
  return appearances;
}

// By call: whether it is in enough logs, or QSO lines, to be credited
// without a log of its own.
std::vector<bool> creditedCalls(const ContestLogs& contest, const OwnLogRules& own,
                                const std::vector<std::int32_t>& logs,
                                const UnloggedCredit& credit) {
  std::vector<std::int32_t> lines(credit.byLines ? contest.texts.size() : 0, 0);
  for (std::size_t i = 0; credit.byLines && i < contest.lines.size(); ++i) {
    lines[contest.lines[i].call] += own.canConfirm(i);
  }
  std::vector<bool> credited(logs.size());
  for (TextId id = 0; id < logs.size(); ++id) {
    credited[id] = credit.credits(logs[id], credit.byLines ? lines[id] : 0);
  }
  return credited;
}

bool sentAllContest(ExchangeKind kind) {
  return kind == ExchangeKind::kFixed || kind == ExchangeKind::kNumber ||
         kind == ExchangeKind::kWord;
}

// A number as one text whatever its leading zeros, so that 05 and 5 agree.
std::string_view withoutLeadingZeros(std::string_view number) {
  const std::size_t first = number.find_first_not_of('0');
  if (first == std::string_view::npos) return number.substr(number.size() - 1);
  return number.find_first_not_of("0123456789") == std::string_view::npos ? number.substr(first)
                                                                          : number;
}

// `received` with each field not fixed marked missing; empty when it has no fixed field.
std::string fixedPart(std::string_view received, const std::vector<ExchangeKind>& compared) {
  std::string part;
  bool fixed = false;
  for (ExchangeKind kind : compared) {
    const std::size_t blank = received.find(' ');
    std::string_view field = received.substr(0, blank);
    received = blank == std::string_view::npos ? std::string_view() : received.substr(blank + 1);
    const bool kept = sentAllContest(kind) && !field.empty();
    if (kept && kind == ExchangeKind::kNumber) field = withoutLeadingZeros(field);
    fixed = fixed || kept;
    part += (part.empty() ? "" : " ") + std::string(kept ? field : imports::kMissingField);
  }
  return fixed ? part : std::string();
}

// By line: what it received of what a station sends all contest. A lone
// fixed field is the whole exchange, which needs no copy.
std::vector<TextId> fixedPartsReceived(ContestLogs& contest,
                                       const std::vector<ExchangeKind>& compared) {
  std::vector<TextId> parts(contest.lines.size(), TextPool::kEmpty);
  const bool whole = compared.size() == 1 && compared[0] == ExchangeKind::kFixed;
  const bool anyFixed = std::any_of(compared.begin(), compared.end(), sentAllContest);
  for (std::size_t i = 0; anyFixed && i < contest.lines.size(); ++i) {
    const TextId received = contest.lines[i].exchRcvd;
    parts[i] =
        whole ? received : contest.texts.intern(fixedPart(contest.texts.view(received), compared));
  }
  return parts;
}

std::vector<TextId> agreeOnExchanges(const ContestLogs& contest, const OwnLogRules& own,
                                     const std::vector<TextId>& parts) {
  std::vector<std::tuple<TextId, TextId, std::int32_t>> said;  // call, exchange, owner
  for (std::size_t i = 0; i < contest.lines.size(); ++i) {
    const Line& line = contest.lines[i];
    if (!own.canConfirm(i) || contest.entrantOf(line.call) >= 0) continue;
    if (parts[i] != TextPool::kEmpty) said.emplace_back(line.call, parts[i], line.owner);
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

CallEvidence gatherCallEvidence(ContestLogs& contest, const OwnLogRules& own,
                                const ContestDefinition& definition) {
  const std::vector<TextId> parts = fixedPartsReceived(contest, comparedFields(definition));
  CallEvidence evidence;
  evidence.appearances = countAppearances(contest, own);
  evidence.credited = creditedCalls(contest, own, evidence.appearances, definition.unlogged);
  evidence.agreedExchange = agreeOnExchanges(contest, own, parts);
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
