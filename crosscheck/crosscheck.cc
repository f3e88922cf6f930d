#include "crosscheck/crosscheck.h"

#include <algorithm>
#include <climits>

#include "crosscheck/clock_offsets.h"
#include "crosscheck/exchange_compare.h"
#include "crosscheck/judge_lines.h"
#include "crosscheck/match_qsos.h"
#include "crosscheck/minute_dupes.h"
#include "crosscheck/own_log_rules.h"
#include "crosscheck/partner_errors.h"
#include "crosscheck/qso_index.h"
#include "crosscheck/read_logs.h"
#include "crosscheck/score_contest.h"
#include "crosscheck/station_files.h"
#include "crosscheck/unlogged_calls.h"

namespace crosscheck {
namespace {

// The first and last QSO of all logs, for the ends the definition leaves open.
imports::Period spanOfLines(const ContestLogs& contest) {
  if (contest.lines.empty()) return {0, 0};
  imports::Period span{INT32_MAX, INT32_MIN};
  for (const Line& line : contest.lines) {
    span.from = std::min(span.from, line.minute);
    span.to = std::max(span.to, line.minute);
  }
  return span;
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
  // Each log is checked before the span of all logs is known: an end the
  // definition leaves open holds every QSO, as that span does.
  const imports::Period checked = contestPeriod(definition, imports::kOpenPeriod);
  CheckedContest read =
      readLogs(request.files, definition, checked.from, checked.to, request.onFileRead);
  ContestLogs& contest = read.contest;
  const OwnLogRules& own = read.own;
  const imports::Period period = contestPeriod(definition, spanOfLines(contest));
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
