#include "crosscheck/clock_offsets.h"

#include <algorithm>
#include <cstdlib>

#include "crosscheck/parallel_lines.h"

namespace crosscheck {
namespace {

constexpr std::size_t kFewestSamples = 3;
constexpr int kRounds = 2;
constexpr std::int32_t kAgreeingMinutes = 1;

// One QSO both logs hold once: `ahead` minutes later in `first`'s log.
struct Sample {
  std::int32_t first;
  std::int32_t second;
  std::int32_t ahead;
};

// The one line of `span` within the search window of `minute`, or -1.
std::int64_t onlyLineNear(const ContestLogs& contest, const OwnLogRules& own, LineSpan span,
                          Minute minute) {
  std::int64_t found = -1;
  for (std::uint32_t j : span) {
    if (!own.canConfirm(j) || std::abs(contest.lines[j].minute - minute) > kClockSearchMinutes) {
      continue;
    }
    if (found >= 0) return -1;
    found = j;
  }
  return found;
}

// The sample line i gives, if both logs hold its QSO once.
bool sampleOf(const ContestLogs& contest, const QsoIndex& index, const OwnLogRules& own,
              std::size_t i, Sample* sample) {
  const Line& line = contest.lines[i];
  const std::int32_t other = contest.entrantOf(line.call);
  if (other <= line.owner || !own.canConfirm(i)) return false;
  const TextId ownCall = contest.entrants[line.owner].callId;
  std::int64_t j = onlyLineNear(
      contest, own, index.byCall(other, ownCall, static_cast<std::uint32_t>(i)), line.minute);
  if (j < 0) return false;
  const Line& theirs = contest.lines[static_cast<std::size_t>(j)];
  LineSpan back = index.byCall(line.owner, line.call, static_cast<std::uint32_t>(i));
  if (onlyLineNear(contest, own, back, theirs.minute) != static_cast<std::int64_t>(i)) return false;
  *sample = {line.owner, other, line.minute - theirs.minute};
  return true;
}

std::vector<Sample> collectSamples(const ContestLogs& contest, const QsoIndex& index,
                                   const OwnLogRules& own) {
  return collectInLineOrder<Sample>(
      contest.lines.size(), [&](std::size_t from, std::size_t to, std::vector<Sample>* samples) {
        Sample sample{};
        for (std::size_t i = from; i < to; ++i) {
          if (sampleOf(contest, index, own, i, &sample)) samples->push_back(sample);
        }
      });
}

// The median, when enough samples lie within a minute of it; else 0, so
// that a few QSOs logged late make no clock error.
std::int32_t agreedOffset(std::vector<std::int32_t>* values) {
  if (values->size() < kFewestSamples) return 0;
  auto middle = values->begin() + static_cast<std::ptrdiff_t>((values->size() - 1) / 2);
  std::nth_element(values->begin(), middle, values->end());
  const std::int32_t median = *middle;
  std::size_t near = 0;
  for (std::int32_t value : *values) near += std::abs(value - median) <= kAgreeingMinutes;
  return near >= kFewestSamples ? median : 0;
}

// Each log's offset from its samples, the other side's last estimate taken out.
std::vector<std::int32_t> refine(const std::vector<Sample>& samples,
                                 const std::vector<std::int32_t>& offsets) {
  std::vector<std::vector<std::int32_t>> values(offsets.size());
  for (const Sample& sample : samples) {
    values[sample.first].push_back(sample.ahead + offsets[sample.second]);
    values[sample.second].push_back(offsets[sample.first] - sample.ahead);
  }
  std::vector<std::int32_t> refined(offsets.size());
  for (std::size_t e = 0; e < values.size(); ++e) refined[e] = agreedOffset(&values[e]);
  return refined;
}

}  // namespace

std::vector<std::int32_t> estimateClockOffsets(const ContestLogs& contest, const QsoIndex& index,
                                               const OwnLogRules& own) {
  const std::vector<Sample> samples = collectSamples(contest, index, own);
  std::vector<std::int32_t> offsets(contest.entrants.size(), 0);
  for (int round = 0; round < kRounds; ++round) offsets = refine(samples, offsets);
  return offsets;
}

}  // namespace crosscheck
