#include "crosscheck/crosscheck.h"

#include <algorithm>
#include <climits>

#include "crosscheck/clock_offsets.h"
#include "crosscheck/exchange_compare.h"
#include "crosscheck/judge_lines.h"
#include "crosscheck/match_qsos.h"
#include "crosscheck/normalise.h"
#include "crosscheck/own_log_rules.h"
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

}  // namespace

Results crosscheckContest(const Request& request) {
  const ContestDefinition& definition = request.definition;
  ContestLogs contest = readLogs(request.files, {definition.exchangeFields}, request.onFileRead);
  const Period period = periodOf(definition, contest);
  const OwnLogRules own = applyOwnLogRules(contest, definition.rules, period.from, period.to);
  const QsoIndex index(contest);
  const std::vector<std::int32_t> clocks = estimateClockOffsets(contest, index, own);
  const ExchangeCompare exchanges(contest.texts, definition);
  const Matches matches =
      matchQsos(contest, index, own, exchanges, {definition.matchWindowMinutes, &clocks});
  const CallEvidence evidence =
      gatherCallEvidence(contest, own, definition.exchange == ExchangeKind::kFixed);
  Judgements judgements = judgeLines(contest, own, matches, evidence, exchanges);
  const OverrideReasons reasons = applyOverrides(request.overrides, contest, &judgements);
  const Findings findings{own, matches, judgements, reasons, clocks, evidence};
  return scoreContest(std::move(contest), findings, definition, period.from, period.to);
}

}  // namespace crosscheck
