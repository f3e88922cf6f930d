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
  return period;
}

// The definition's period before any log is read: an end it leaves open
// holds every QSO, as the first or last QSO of all logs does.
Period periodBeforeReading(const ContestDefinition& definition) {
  Period period = periodOf(definition, ContestLogs());
  if (!definition.from) period.from = INT32_MIN;
  if (!definition.to) period.to = INT32_MAX;
  return period;
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
  const Period checked = periodBeforeReading(definition);
  CheckedContest read =
      readLogs(request.files, definition, checked.from, checked.to, request.onFileRead);
  ContestLogs& contest = read.contest;
  const OwnLogRules& own = read.own;
  const Period period = periodOf(definition, contest);
  const QsoIndex index(contest);
  const std::vector<std::int32_t> clocks = clockOffsets(definition, contest, index, own);
  const ExchangeCompare exchanges(contest.texts, definition);
  const MatchSettings settings{definition.matchWindowMinutes, &clocks};
  const Matches matches = matchQsos(contest, index, own, exchanges, settings);
  const CallEvidence evidence = gatherCallEvidence(contest, own, comparedFields(definition));
  Judgements judgements =
      judgeLines(contest, own, matches, evidence, exchanges, SearchedLogs{index, settings});
  if (definition.errorsVoidBoth) voidPartnersOfErrors(matches, &judgements);
  markMinuteDupes(contest, definition, &judgements);
  const OverrideReasons reasons = applyOverrides(request.overrides, contest, &judgements);
  const Findings findings{own, matches, judgements, reasons, clocks, evidence};
  return scoreContest(std::move(contest), findings, definition, period.from, period.to);
}

}  // namespace crosscheck
