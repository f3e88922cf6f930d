#ifndef ZVK_CROSSCHECK_UNLOGGED_CALLS_H_
#define ZVK_CROSSCHECK_UNLOGGED_CALLS_H_

#include <cstdint>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/contest_logs.h"
#include "crosscheck/own_log_rules.h"

namespace crosscheck {

// The exchange of a call without a log is known when this many logs agree on it.
constexpr std::int32_t kLogsToAgree = 3;
// A call seen in at most kRareLogs logs is a miscopy of a call one character
// away that kFarMoreLogs times as many logs hold.
constexpr std::int32_t kRareLogs = 2;
constexpr std::int32_t kFarMoreLogs = 4;

// What the logs together say about the calls worked, by TextId.
struct CallEvidence {
  std::vector<std::int32_t> appearances;  // entrants that logged the call
  // For a call that sent no log: whether it is in enough logs or lines to count.
  std::vector<bool> credited;
  // For a call that sent no log: the fixed fields of the exchange
  // kLogsToAgree logs agree it sent, the others kMissingField, else kEmpty.
  std::vector<TextId> agreedExchange;
  // For a rare call: the call it is likely a miscopy of, else kEmpty.
  std::vector<TextId> likelyCall;
};

// The texts of the fixed parts of the exchanges (the fields a station sends
// all contest) are added to the contest's.
CallEvidence gatherCallEvidence(ContestLogs& contest, const OwnLogRules& own,
                                const ContestDefinition& definition);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_UNLOGGED_CALLS_H_
