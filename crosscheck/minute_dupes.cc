#include "crosscheck/minute_dupes.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <tuple>

namespace crosscheck {
namespace {

bool counted(Result result, bool creditUniques) {
  return result == Result::kOk || (result == Result::kUnique && creditUniques);
}

bool mayBeDupe(Result result) {
  return result != Result::kNotContest && result != Result::kOutsidePeriod;
}

bool sameStation(const Line& a, const Line& b) {
  return std::tie(a.call, a.band, a.mode) == std::tie(b.call, b.band, b.mode);
}

// The log's lines by call, band and mode, each group in time order.
std::vector<std::uint32_t> linesByStation(const ContestLogs& contest, const LogHeader& log) {
  std::vector<std::uint32_t> order(static_cast<std::size_t>(log.lineCount));
  std::iota(order.begin(), order.end(), static_cast<std::uint32_t>(log.firstLine));
  auto key = [&](std::uint32_t i) {
    const Line& l = contest.lines[i];
    return std::make_tuple(l.call, l.band, l.mode, l.minute);
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return key(a) < key(b); });
  return order;
}

void markLog(const ContestLogs& contest, const LogHeader& log, const ContestDefinition& definition,
             Judgements* judgements) {
  std::optional<std::uint32_t> previous;
  std::optional<Minute> lastCounted;
  for (std::uint32_t i : linesByStation(contest, log)) {
    const Line& line = contest.lines[i];
    if (!previous || !sameStation(line, contest.lines[*previous])) lastCounted.reset();
    previous = i;
    Result& result = judgements->result[i];
    if (!mayBeDupe(result) || line.call == TextPool::kEmpty) continue;
    if (lastCounted && line.minute - *lastCounted < definition.dupeMinutes) {
      result = Result::kDupe;
      judgements->correctCall[i] = TextPool::kEmpty;
      judgements->correctExch[i] = TextPool::kEmpty;
    } else if (counted(result, definition.creditUniques)) {
      lastCounted = line.minute;
    }
  }
}

}  // namespace

void markMinuteDupes(const ContestLogs& contest, const ContestDefinition& definition,
                     Judgements* judgements) {
  if (definition.dupeMinutes == 0) return;
  for (const LogHeader& log : contest.entrants) markLog(contest, log, definition, judgements);
}

}  // namespace crosscheck
