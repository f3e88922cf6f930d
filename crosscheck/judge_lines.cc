#include "crosscheck/judge_lines.h"

#include <cstdlib>

namespace crosscheck {
namespace {

class Judge {
 public:
  Judge(const ContestLogs& contest, const Matches& matches, const CallEvidence& evidence,
        const ExchangeCompare& exchanges, const SearchedLogs& searched, Judgements* out)
      : contest_(contest),
        matches_(matches),
        evidence_(evidence),
        exchanges_(exchanges),
        searched_(searched),
        out_(out) {}

  Result judge(std::size_t i) {
    const std::int32_t partner = matches_.partner[i];
    switch (matches_.kind[i]) {
      case MatchKind::kExact:
      case MatchKind::kCallMiscopied:
        return judgeConfirmed(i, static_cast<std::size_t>(partner));
      case MatchKind::kOutsideWindow:
        return Result::kNotInLog;
      case MatchKind::kNone:
        break;
    }
    const TextId call = contest_.lines[i].call;
    if (contest_.entrantOf(call) >= 0) return Result::kNotInLog;
    // A line that names no station confirms nothing, however many such lines there are.
    if (call == TextPool::kEmpty) return Result::kBustedCall;
    return judgeUnlogged(i);
  }

 private:
  Result judgeConfirmed(std::size_t i, std::size_t partner) {
    const Line& line = contest_.lines[i];
    const Line& theirs = contest_.lines[partner];
    const TextId partnerCall = contest_.entrants[theirs.owner].callId;
    if (line.call != partnerCall) {
      out_->correctCall[i] = partnerCall;
      return Result::kBustedCall;
    }
    if (exchanges_.lacksField(line.exchSent)) return Result::kBustedExchange;
    if (!exchanges_.agrees(line.exchRcvd, theirs.exchSent)) {
      out_->correctExch[i] = theirs.exchSent;
      return Result::kBustedExchange;
    }
    return Result::kOk;
  }

  Result judgeUnlogged(std::size_t i) {
    const Line& line = contest_.lines[i];
    const TextId likely = evidence_.likelyCall[line.call];
    const std::int32_t likelyLog = contest_.entrantOf(likely);
    if (likely != TextPool::kEmpty && (likelyLog < 0 || holdsQsoNear(likelyLog, i))) {
      out_->correctCall[i] = likely;
      return Result::kBustedCall;
    }
    const TextId agreed = evidence_.agreedExchange[line.call];
    // A missing exchange is a fault whatever the other logs hold.
    if (line.exchRcvd == TextPool::kEmpty || exchanges_.lacksField(line.exchRcvd)) {
      out_->correctExch[i] = agreed;
      return Result::kBustedExchange;
    }
    if (!evidence_.credited[line.call]) return Result::kUnique;
    if (agreed != TextPool::kEmpty && !exchanges_.agrees(line.exchRcvd, agreed)) {
      out_->correctExch[i] = agreed;
      return Result::kBustedExchange;
    }
    return Result::kOk;
  }

  // Whether `entrant`'s log holds a QSO with line `i`'s station on its band
  // within the match window: the evidence that the line miscopied its call.
  bool holdsQsoNear(std::int32_t entrant, std::size_t i) const {
    const Line& line = contest_.lines[i];
    const std::vector<std::int32_t>& offsets = *searched_.settings.clockOffsets;
    const Minute around = line.minute - offsets[line.owner] + offsets[entrant];
    const TextId ownCall = contest_.entrants[line.owner].callId;
    for (std::uint32_t j :
         searched_.index.byCall(entrant, ownCall, static_cast<std::uint32_t>(i))) {
      if (std::abs(contest_.lines[j].minute - around) <= searched_.settings.windowMinutes)
        return true;
    }
    return false;
  }

  const ContestLogs& contest_;
  const Matches& matches_;
  const CallEvidence& evidence_;
  const ExchangeCompare& exchanges_;
  const SearchedLogs& searched_;
  Judgements* out_;
};

}  // namespace

Judgements judgeLines(const ContestLogs& contest, const OwnLogRules& own, const Matches& matches,
                      const CallEvidence& evidence, const ExchangeCompare& exchanges,
                      const SearchedLogs& searched) {
  Judgements judgements;
  judgements.result = own.result;
  judgements.correctCall.assign(contest.lines.size(), TextPool::kEmpty);
  judgements.correctExch.assign(contest.lines.size(), TextPool::kEmpty);
  Judge judge(contest, matches, evidence, exchanges, searched, &judgements);
  for (std::size_t i = 0; i < contest.lines.size(); ++i) {
    if (judgements.result[i] == Result::kOk) judgements.result[i] = judge.judge(i);
  }
  return judgements;
}

}  // namespace crosscheck
