#include "crosscheck/crosscheck.h"

#include <algorithm>
#include <climits>

#include "crosscheck/clock_offsets.h"
#include "crosscheck/exchange_compare.h"
#include "crosscheck/judge_lines.h"
#include "crosscheck/match_qsos.h"
#include "crosscheck/minute_dupes.h"
#include "crosscheck/normalise.h"
#include "crosscheck/own_log_rules.h"
#include "crosscheck/partner_errors.h"
#include "crosscheck/qso_index.h"
#include "crosscheck/read_logs.h"
#include "crosscheck/score_contest.h"
#include "crosscheck/station_files.h"
#include "crosscheck/unlogged_calls.h"

namespace crosscheck {
namespace {

struct Period {
  Minute from;
  Minute to;
};

// The definition's period, else the first and last QSO of all logs.
Period periodOf(const ContestDefinition& definition, const ContestLogs& contest) {
  Period period{INT32_MAX, INT32_MIN};
  for (const Line& line : contest.lines) {
    period.from = std::min(period.from, line.minute);
    period.to = std::max(period.to, line.minute);
  }
  if (contest.lines.empty()) period = {0, 0};
  if (definition.from) period.from = minuteOf(imports::toOleDate(*definition.from));
  if (definition.to) period.to = minuteOf(imports::toOleDate(*definition.to));
  // Minutes are whole: the last one inside is the one before the end.
  if (definition.to && definition.endExclusive) --period.to;
  return period;
}

// The fields of each half of a QSO line, as the importer splits them.
imports::CabrilloLayout layoutOf(const ContestDefinition& definition) {
  imports::CabrilloLayout layout{definition.exchangeFields, {}};
  for (ExchangeKind kind : definition.exchangeList) {
    layout.fields.push_back(kind == ExchangeKind::kRst ? imports::FieldRole::kReport
                                                       : imports::FieldRole::kExchange);
  }
  return layout;
}

std::vector<std::int32_t> clockOffsets(const ContestDefinition& definition,
                                       const ContestLogs& contest, const QsoIndex& index,
                                       const OwnLogRules& own) {
  if (!definition.clockCorrection) return std::vector<std::int32_t>(contest.entrants.size(), 0);
  return estimateClockOffsets(contest, index, own);
}

}  // namespace

Results crosscheckContest(const Request& request) {
  const ContestDefinition& definition = request.definition;
  // Read first: a wrong country file stops the check before the logs are read.
  const LoadedStationFiles stationFiles(definition, request.countryFile);
  ContestLogs contest = readLogs(request.files, layoutOf(definition), request.onFileRead);
  const Period period = periodOf(definition, contest);
  const OwnLogRules own = applyOwnLogRules(contest, definition, period.from, period.to);
  const QsoIndex index(contest);
  const std::vector<std::int32_t> clocks = clockOffsets(definition, contest, index, own);
  const ExchangeCompare exchanges(contest.texts, definition);
  const MatchSettings settings{definition.matchWindowMinutes, &clocks};
  const Matches matches = matchQsos(contest, index, own, exchanges, settings);
  const CallEvidence evidence = gatherCallEvidence(contest, own, definition);
  Judgements judgements =
      judgeLines(contest, own, matches, evidence, exchanges, SearchedLogs{index, settings});
  voidPartnersOfErrors(matches, definition.errors, &judgements);
  markMinuteDupes(contest, definition, &judgements);
  const OverrideReasons reasons = applyOverrides(request.overrides, contest, &judgements);
  const StationFiles stations = stationFiles.view();
  const Findings findings{own, matches, judgements, reasons, clocks, evidence, stations};
  return scoreContest(std::move(contest), findings, definition, period.from, period.to);
}

}  // namespace crosscheck
