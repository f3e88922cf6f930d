#ifndef ZVK_CROSSCHECK_CONTEST_DEFINITION_H_
#define ZVK_CROSSCHECK_CONTEST_DEFINITION_H_

#include <optional>
#include <stdexcept>
#include <string>

#include "import/utc_time.h"
#include "log/rule_set.h"

namespace crosscheck {

// What each station sends: the same text all contest (a member number,
// "NM"), or a serial number that counts up.
enum class ExchangeKind { kFixed, kSerial };

// A contest as the cross-check needs it: the rules the plug-in also counts
// by, and how the logs are compared.
struct ContestDefinition {
  std::string name;
  rules::RuleSet rules;
  std::optional<imports::UtcTime> from;  // unset: the first QSO of all logs
  std::optional<imports::UtcTime> to;    // unset: the last QSO of all logs
  ExchangeKind exchange = ExchangeKind::kFixed;
  // Fields each station's half of a Cabrillo QSO line has after its call
  // ("rst", "exch"): how a line with an empty field is still split.
  int exchangeFields = 2;
  int matchWindowMinutes = 5;
  int serialTolerance = 0;
  bool creditUniques = true;
  // Extra points taken for a not-in-log or busted-call QSO, as a multiple of
  // its points.
  int penalty = 0;
};

// A definition that cannot be used; the message names the file and the key.
class DefinitionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads section [Contest] of the INI file `path`. Throws DefinitionError.
ContestDefinition readContestDefinition(const std::string& path);

// The ZVK CW Contest, as contests/zvk-cw.ini defines it.
const ContestDefinition& zvkCwDefinition();

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_CONTEST_DEFINITION_H_
