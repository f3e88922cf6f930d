#ifndef ZVK_CROSSCHECK_CONTEST_DEFINITION_H_
#define ZVK_CROSSCHECK_CONTEST_DEFINITION_H_

#include <optional>
#include <string>
#include <vector>

#include "import/utc_time.h"
#include "log/rule_set.h"

namespace crosscheck {

// What a field after each call of a QSO line holds: the same text all
// contest (a member number, "NM"), a serial number that counts up, a signal
// report (read, never compared), or any text (compared ignoring case).
enum class ExchangeKind { kFixed, kSerial, kRst, kText };

// A contest as the cross-check needs it: the rules the plug-in also counts
// by, and how the logs are compared.
struct ContestDefinition {
  std::string name;
  rules::RuleSet rules;
  std::optional<imports::UtcTime> from;  // unset: the first QSO of all logs
  std::optional<imports::UtcTime> to;    // unset: the last QSO of all logs
  // The one-word form, Exchange=fixed or serial, and the fields each
  // station's half of a Cabrillo QSO line has after its call ("rst",
  // "exch"): how a line with an empty field is still split.
  ExchangeKind exchange = ExchangeKind::kFixed;
  int exchangeFields = 2;
  // Exchange= as a list: the kind of each field after each call, in order.
  // Empty for the one-word form.
  std::vector<ExchangeKind> exchangeList;
  // Dupes=minutes:N: a repeat within N minutes of the last QSO with the
  // station that counted is a dupe. 0: rules.dupe decides.
  int dupeMinutes = 0;
  // Errors=both: a miscopy by either station voids the QSO for both.
  bool errorsVoidBoth = false;
  // ClockCorrection=no: logs are matched on their times as logged.
  bool clockCorrection = true;
  int matchWindowMinutes = 5;
  int serialTolerance = 0;
  bool creditUniques = true;
  // Extra points taken for a not-in-log or busted-call QSO, as a multiple of
  // its points.
  int penalty = 0;
};

// Reads section [Contest] of the INI file `path`. Throws errors::ToolError
// (kBadDefinition) naming the file, the key and the value.
ContestDefinition readContestDefinition(const std::string& path);

// The kinds of the fields compared, in order: the list without its reports,
// or the one-word form's kind.
std::vector<ExchangeKind> comparedFields(const ContestDefinition& definition);

// The ZVK CW Contest, as contests/zvk-cw.ini defines it.
const ContestDefinition& zvkCwDefinition();

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_CONTEST_DEFINITION_H_
