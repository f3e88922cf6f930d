#ifndef ZVK_CROSSCHECK_CONTEST_DEFINITION_H_
#define ZVK_CROSSCHECK_CONTEST_DEFINITION_H_

#include <optional>
#include <string>
#include <vector>

#include "crosscheck/allowed_values.h"
#include "crosscheck/error_credit.h"
#include "crosscheck/frequency_limits.h"
#include "crosscheck/multiplier_rules.h"
#include "crosscheck/unlogged_credit.h"
#include "import/cabrillo_categories.h"
#include "import/utc_time.h"
#include "log/rule_set.h"

namespace crosscheck {

// What a field after each call of a QSO line holds: the same text all
// contest (a member number, "NM"), a serial number that counts up, a signal
// report (read, never compared), any text (compared ignoring case), the same
// number all contest (a zone: 05 is 5) or the same word all contest (a
// region, a society: checked against the allowed values where a rule asks).
enum class ExchangeKind { kFixed, kSerial, kRst, kText, kNumber, kWord };

// A contest as the cross-check needs it: the rules the plug-in also counts
// by, and how the logs are compared.
struct ContestDefinition {
  std::string name;
  // ContestNames=: the CONTEST: values of its logs; empty: a log may name any.
  std::vector<std::string> contestNames;
  rules::RuleSet rules;
  std::optional<imports::UtcTime> from;  // unset: the first QSO of all logs
  std::optional<imports::UtcTime> to;    // unset: the last QSO of all logs
  // PeriodEnd=exclusive: a QSO in the minute `to` names is outside.
  bool endExclusive = false;
  // Frequencies=: the sub-bands; empty: the whole of each band.
  FrequencyLimits frequencies;
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
  // Errors=, Penalty=, ExchangeErrorPoints=, ExchangeErrorMultiplier=.
  ErrorCredit errors;
  // Unlogged=, UnloggedPoints=: when a station without a log is credited.
  UnloggedCredit unlogged;
  // AllowedValues=: the values each country's stations may send.
  std::optional<AllowedValues> allowedValues;
  // ClockCorrection=no: logs are matched on their times as logged.
  bool clockCorrection = true;
  int matchWindowMinutes = 5;
  int serialTolerance = 0;
  bool creditUniques = true;
  // Multipliers=: what multiplies the points; empty: nothing does.
  std::vector<MultiplierRule> multipliers;
  // Score=; points*multipliers when Multipliers= is given without it.
  ScoreFormula score;
  // RelationPoints=: points by where the worked station is, in place of Points=.
  std::vector<RelationEntry> relationPoints;
  // PointsField=: the field of the exchange received Points= compares and
  // the zone the relations same-zone and no-zone read; 0: the whole exchange.
  int pointsField = 0;
  // Categories=: the contest's own values of Cabrillo category fields, in
  // place of the format's; empty: the format's values throughout.
  std::vector<imports::CategoryField> categories;
  // CountryFile=: the country file, relative to the definition's folder;
  // empty: the program's default.
  std::string countryFile;
};

// Reads section [Contest] of the INI file `path`. Throws errors::ToolError
// (kBadDefinition) naming the file, the key and the value.
ContestDefinition readContestDefinition(const std::string& path);

// The definition's period, an end it leaves open taken from `unset`; with
// PeriodEnd=exclusive the end minute itself is outside, as minutes are whole.
imports::Period contestPeriod(const ContestDefinition& definition, const imports::Period& unset);

// The kinds of the fields compared, in order: the list without its reports,
// or the one-word form's kind.
std::vector<ExchangeKind> comparedFields(const ContestDefinition& definition);

// The 0-based place among the compared fields of Exchange= field `field`
// (1-based, reports counted); in the one-word form, of the exchange's
// words. Nothing when it names a report or no field.
std::optional<std::size_t> comparedIndex(const ContestDefinition& definition, int field);

// The ZVK CW Contest, as contests/zvk-cw.ini defines it.
const ContestDefinition& zvkCwDefinition();

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_CONTEST_DEFINITION_H_
