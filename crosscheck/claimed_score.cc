#include "crosscheck/claimed_score.h"

#include <optional>
#include <utility>

namespace crosscheck {

bool scoresBeyondThePlugin(const ContestDefinition& definition) {
  return !definition.multipliers.empty() || !definition.relationPoints.empty();
}

ClaimedScore claimedByDefinition(const ContestLogs& contest, const LogHeader& log,
                                 const OwnLogRules& own, const ContestDefinition& definition,
                                 const QsoPoints& points, const MultiplierCounter* counter) {
  const auto first = static_cast<std::size_t>(log.firstLine);
  const auto count = static_cast<std::size_t>(log.lineCount);
  std::int64_t sum = 0;
  for (std::size_t i = first; i < first + count; ++i) {
    if (own.claims(i)) sum += points.basePoints(contest.lines[i], i);
  }
  const auto multipliers =
      static_cast<std::int64_t>(counter ? counter->claimed(contest.lines, own, first, count) : 0);
  return {sum, multipliers, definition.score.score(sum, multipliers)};
}

ClaimedScore claimedByDefinition(const CheckedLog& checked, TextPool texts,
                                 const ContestDefinition& definition, const StationFiles& files) {
  ContestLogs alone;
  alone.texts = std::move(texts);
  alone.lines = checked.normal.lines;
  for (Line& line : alone.lines) line.owner = 0;
  // As the cross-check places a log in its contest: its call interned, its lines its own.
  LogHeader header = checked.normal.header;
  header.firstLine = 0;
  header.lineCount = static_cast<std::int32_t>(alone.lines.size());
  header.callId = alone.texts.intern(header.call);
  alone.entrantOfCall.assign(alone.texts.size(), -1);
  alone.entrantOfCall[header.callId] = 0;
  alone.entrants.push_back(std::move(header));
  const QsoFacts facts(alone, definition, files);
  const QsoPoints points(definition, alone.texts, &facts);
  std::optional<MultiplierCounter> counter;
  if (!definition.multipliers.empty()) counter.emplace(definition, alone, facts);
  return claimedByDefinition(alone, alone.entrants.front(), checked.own, definition, points,
                             counter ? &*counter : nullptr);
}

}  // namespace crosscheck
