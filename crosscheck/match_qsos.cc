#include "crosscheck/match_qsos.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "crosscheck/call_distance.h"
#include "crosscheck/clock_offsets.h"
#include "crosscheck/parallel_lines.h"

namespace crosscheck {
namespace {

// A possible pair, ranked: the smaller rank is taken first.
struct Candidate {
  std::uint32_t line;
  std::uint32_t other;
  std::uint8_t callDistance;
  std::uint8_t exchangeFaults;
  std::int32_t minutesApart;

  auto rank() const { return std::tie(callDistance, exchangeFaults, minutesApart, line, other); }
};

// A type of its own rather than a function, so that the sorts inline it.
struct RanksBefore {
  bool operator()(const Candidate& a, const Candidate& b) const { return a.rank() < b.rank(); }
};

class Matcher {
 public:
  Matcher(const ContestLogs& contest, const QsoIndex& index, const OwnLogRules& own,
          const ExchangeCompare& exchanges, const MatchSettings& settings)
      : contest_(contest), index_(index), own_(own), exchanges_(exchanges), settings_(settings) {
    matches_.partner.assign(contest.lines.size(), -1);
    matches_.kind.assign(contest.lines.size(), MatchKind::kNone);
  }

  Matches run() {
    accept(exactCandidates(settings_.windowMinutes), MatchKind::kExact);
    accept(miscopyCandidates(), MatchKind::kCallMiscopied);
    accept(exactCandidates(kClockSearchMinutes), MatchKind::kOutsideWindow);
    return std::move(matches_);
  }

 private:
  Minute corrected(std::uint32_t i) const {
    const Line& line = contest_.lines[i];
    return line.minute - (*settings_.clockOffsets)[line.owner];
  }

  bool isOpen(std::uint32_t i) const { return own_.canConfirm(i) && matches_.partner[i] < 0; }

  std::uint8_t exchangeFaults(const Line& a, const Line& b) const {
    return static_cast<std::uint8_t>(!exchanges_.agrees(a.exchRcvd, b.exchSent) +
                                     !exchanges_.agrees(b.exchRcvd, a.exchSent));
  }

  void consider(std::uint32_t i, std::uint32_t j, CallDistance distance, Minute window,
                std::vector<Candidate>* candidates) const {
    const std::int32_t apart = std::abs(corrected(i) - corrected(j));
    if (!isOpen(j) || apart > window) return;
    candidates->push_back({i, j, static_cast<std::uint8_t>(distance),
                           exchangeFaults(contest_.lines[i], contest_.lines[j]), apart});
  }

  // Both calls right: the other log's lines naming this log's call. By rank.
  std::vector<Candidate> exactCandidates(Minute window) const {
    return collectSorted<Candidate>(
        contest_.lines.size(),
        [&](std::size_t from, std::size_t to, std::vector<Candidate>* candidates) {
          for (auto i = static_cast<std::uint32_t>(from); i < to; ++i) exact(i, window, candidates);
        },
        RanksBefore());
  }

  void exact(std::uint32_t i, Minute window, std::vector<Candidate>* candidates) const {
    const Line& line = contest_.lines[i];
    const std::int32_t other = contest_.entrantOf(line.call);
    if (other <= line.owner || !isOpen(i)) return;
    const TextId ownCall = contest_.entrants[line.owner].callId;
    for (std::uint32_t j : index_.byCall(other, ownCall, i)) {
      consider(i, j, CallDistance::kSame, window, candidates);
    }
  }

  // This line's call right, the other log's call of this station a miscopy:
  // its lines on the band within the window. By rank.
  std::vector<Candidate> miscopyCandidates() const {
    return collectSorted<Candidate>(
        contest_.lines.size(),
        [&](std::size_t from, std::size_t to, std::vector<Candidate>* candidates) {
          for (auto i = static_cast<std::uint32_t>(from); i < to; ++i) miscopy(i, candidates);
        },
        RanksBefore());
  }

  void miscopy(std::uint32_t i, std::vector<Candidate>* candidates) const {
    const Line& line = contest_.lines[i];
    const std::int32_t other = contest_.entrantOf(line.call);
    if (other < 0 || other == line.owner || !isOpen(i)) return;
    const std::string_view ownCall = contest_.entrants[line.owner].call;
    const Minute around = corrected(i) + (*settings_.clockOffsets)[other];
    const Minute window = settings_.windowMinutes;
    for (std::uint32_t j : index_.byTime(other, i, around - window, around + window)) {
      CallDistance distance = callDistance(contest_.texts.view(contest_.lines[j].call), ownCall);
      if (isMiscopy(distance)) consider(i, j, distance, window, candidates);
    }
  }

  // Candidates by rank, the best pair of each line taken first.
  void accept(const std::vector<Candidate>& candidates, MatchKind kind) {
    for (const Candidate& candidate : candidates) {
      if (matches_.partner[candidate.line] >= 0 || matches_.partner[candidate.other] >= 0) continue;
      matches_.partner[candidate.line] = static_cast<std::int32_t>(candidate.other);
      matches_.partner[candidate.other] = static_cast<std::int32_t>(candidate.line);
      matches_.kind[candidate.line] = kind;
      matches_.kind[candidate.other] = kind;
    }
  }

  const ContestLogs& contest_;
  const QsoIndex& index_;
  const OwnLogRules& own_;
  const ExchangeCompare& exchanges_;
  const MatchSettings& settings_;
  Matches matches_;
};

}  // namespace

Matches matchQsos(const ContestLogs& contest, const QsoIndex& index, const OwnLogRules& own,
                  const ExchangeCompare& exchanges, const MatchSettings& settings) {
  return Matcher(contest, index, own, exchanges, settings).run();
}

}  // namespace crosscheck
