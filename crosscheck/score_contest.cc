#include "crosscheck/score_contest.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>
#include <tuple>

#include "crosscheck/claimed_score.h"
#include "crosscheck/entrant_files.h"
#include "crosscheck/multiplier_credit.h"
#include "crosscheck/multipliers.h"
#include "crosscheck/parallel_lines.h"
#include "crosscheck/qso_points.h"

namespace crosscheck {
namespace {

std::int32_t pointsOf(Result result, std::int32_t claimed, const ContestDefinition& definition) {
  switch (result) {
    case Result::kOk:
      return claimed;
    case Result::kUnique:
      return definition.creditUniques ? claimed : 0;
    case Result::kNotInLog:
      return -penaltyPoints(definition.errors.notInLog, claimed);
    case Result::kBustedCall:
      return -penaltyPoints(definition.errors.bustedCall, claimed);
    case Result::kBustedExchange:
      return exchangeErrorPoints(definition.errors, claimed);
    default:
      return 0;
  }
}

bool isError(Result result) {
  return result == Result::kNotInLog || result == Result::kBustedCall ||
         result == Result::kBustedExchange;
}

bool isContestQso(Result result) {
  return result != Result::kNotContest && result != Result::kOutsidePeriod &&
         result != Result::kDupe;
}

class Scorer {
 public:
  Scorer(const ContestLogs& contest, const Findings& findings, const ContestDefinition& definition,
         const QsoFacts* facts)
      : contest_(contest),
        findings_(findings),
        definition_(definition),
        facts_(facts),
        points_(definition, contest.texts, facts) {
    if (facts && !definition.multipliers.empty()) counter_.emplace(definition, contest, *facts);
  }

  Entrant entrant(std::size_t e) const {
    const LogHeader& log = contest_.entrants[e];
    Entrant out;
    out.call = log.call;
    out.file = log.file;
    out.category = log.category;
    out.categoryLabel = log.categoryLabel;
    out.club = log.club;
    out.soapbox = log.soapbox;
    out.claimedScore = log.claimedScore;
    out.claimedByRules = findings_.own.claimedByRules[e];
    out.claimedQsoPoints = out.claimedByRules;
    out.clockOffsetMinutes = findings_.clockOffsets[e];
    out.qsosLogged = log.lineCount;
    out.lines.reserve(static_cast<std::size_t>(log.lineCount));
    for (std::int32_t k = 0; k < log.lineCount; ++k) {
      out.lines.push_back(lineResult(static_cast<std::size_t>(log.firstLine + k)));
    }
    if (counter_) out.multipliers = counter_->count(out.lines, log.firstLine);
    if (facts_) {
      const ClaimedScore claimed = claimedByDefinition(contest_, log, findings_.own, definition_,
                                                       points_, counter_ ? &*counter_ : nullptr);
      out.claimedByRules = claimed.score;
      out.claimedQsoPoints = claimed.qsoPoints;
      out.claimedMultipliers = claimed.multipliers;
    }
    tally(&out);
    return out;
  }

 private:
  LineResult lineResult(std::size_t i) const {
    const Line& line = contest_.lines[i];
    const TextPool& texts = contest_.texts;
    LineResult out;
    out.line = line.fileLine;
    out.time = line.minute;
    out.band = line.band;
    out.mode = line.mode;
    out.call = line.call;
    out.exchSent = line.exchSent;
    out.exchRcvd = line.exchRcvd;
    out.result = findings_.judgements.result[i];
    out.claimedPoints = findings_.own.claimedPoints[i];
    out.points = pointsOf(out.result, qsoPoints(line, out.result, i), definition_);
    out.multiplierCounts = resultGivesMultiplier(out.result, definition_);
    out.offFrequency = out.result == Result::kNotContest &&
                       !definition_.frequencies.allows(texts.view(line.band), texts.view(line.mode),
                                                       line.frequencyKhz);
    out.correctCall = findings_.judgements.correctCall[i];
    out.correctExch = findings_.judgements.correctExch[i];
    const std::int32_t partner = findings_.matches.partner[i];
    if (partner >= 0) {
      const Line& theirs = contest_.lines[static_cast<std::size_t>(partner)];
      out.partner = {theirs.owner, partner - contest_.entrants[theirs.owner].firstLine,
                     theirs.fileLine};
    }
    auto reason = findings_.overrideReasons.find(static_cast<std::uint32_t>(i));
    if (reason != findings_.overrideReasons.end()) out.overrideReason = reason->second;
    return out;
  }

  // Whether the line is a QSO with a station that sent no log (not a
  // miscopy of another's call).
  bool withoutLog(const Line& line, Result result) const {
    return result != Result::kBustedCall && contest_.entrantOf(line.call) < 0;
  }

  // What the line is worth before its judgement: a station without a log
  // may be worth points of its own.
  std::int32_t qsoPoints(const Line& line, Result result, std::size_t index) const {
    if (definition_.unlogged.points && withoutLog(line, result))
      return *definition_.unlogged.points;
    return points_.basePoints(line, index);
  }

  BandTally& bandOf(std::string_view band, std::vector<BandTally>* bands) const {
    for (BandTally& tally : *bands) {
      if (tally.band == band) return tally;
    }
    bands->push_back({std::string(band)});
    return bands->back();
  }

  void tally(Entrant* out) const {
    for (const std::string& band : definition_.rules.bands) bandOf(band, &out->bands);
    std::int32_t contestQsos = 0;
    std::int32_t errors = 0;
    for (const LineResult& line : out->lines) {
      BandTally& band = bandOf(contest_.texts.view(line.band), &out->bands);
      const bool ok = line.result == Result::kOk;
      ++band.logged;
      band.confirmed += ok;
      band.points += line.points;
      out->qsoPoints += line.points;
      out->qsosConfirmed += ok;
      contestQsos += isContestQso(line.result);
      errors += isError(line.result);
    }
    out->errorRate = contestQsos > 0 ? 100.0 * errors / contestQsos : 0.0;
    out->checkedScore =
        definition_.score.score(out->qsoPoints, static_cast<std::int64_t>(out->multipliers.size()));
  }

  const ContestLogs& contest_;
  const Findings& findings_;
  const ContestDefinition& definition_;
  const QsoFacts* facts_;
  QsoPoints points_;
  std::optional<MultiplierCounter> counter_;
};

void numberPlaces(std::vector<Entrant>* sorted) {
  std::size_t groupStart = 0;
  for (std::size_t k = 0; k < sorted->size(); ++k) {
    Entrant& x = (*sorted)[k];
    if (k == 0 || (*sorted)[k - 1].categoryLabel != x.categoryLabel) groupStart = k;
    const bool tied = k > groupStart && (*sorted)[k - 1].checkedScore == x.checkedScore;
    x.place = tied ? (*sorted)[k - 1].place : static_cast<std::int32_t>(k - groupStart + 1);
  }
}

// Entrants by category label, then checked score (best first), then call;
// equal scores share a place. Partners are renumbered to the new order.
void placeEntrants(std::vector<Entrant>* entrants) {
  std::vector<std::int32_t> order(entrants->size());
  std::iota(order.begin(), order.end(), 0);
  auto key = [&](std::int32_t e) {
    const Entrant& x = (*entrants)[e];
    return std::make_tuple(std::cref(x.categoryLabel), -x.checkedScore, std::cref(x.call));
  };
  std::sort(order.begin(), order.end(),
            [&](std::int32_t a, std::int32_t b) { return key(a) < key(b); });
  std::vector<std::int32_t> newIndex(entrants->size());
  std::vector<Entrant> sorted;
  sorted.reserve(entrants->size());
  for (std::int32_t e : order) {
    newIndex[e] = static_cast<std::int32_t>(sorted.size());
    sorted.push_back(std::move((*entrants)[e]));
  }
  for (Entrant& x : sorted) {
    for (LineResult& line : x.lines) {
      if (line.partner.found()) line.partner.entrant = newIndex[line.partner.entrant];
    }
  }
  numberPlaces(&sorted);
  *entrants = std::move(sorted);
}

// Each entrant's lines are scored on their own; every entrant keeps its
// place in the list.
std::vector<Entrant> scoreEntrants(const Scorer& scorer, const ContestLogs& contest) {
  std::vector<Entrant> entrants(contest.entrants.size());
  forEntrantHalves(contest, [&](std::size_t from, std::size_t to) {
    for (std::size_t e = from; e < to; ++e) entrants[e] = scorer.entrant(e);
  });
  return entrants;
}

}  // namespace

Results scoreContest(ContestLogs contest, const Findings& findings,
                     const ContestDefinition& definition, Minute from, Minute to) {
  Results results;
  results.contest = definition.name;
  results.from = from;
  results.to = to;
  results.matchWindowMinutes = definition.matchWindowMinutes;
  results.clocksCorrected = definition.clockCorrection;
  results.frequencies = definition.frequencies;
  results.unlogged = definition.unlogged;
  std::optional<QsoFacts> facts;
  if (scoresBeyondThePlugin(definition)) {
    facts.emplace(contest, definition, findings.stations);
  }
  Scorer scorer(contest, findings, definition, facts ? &*facts : nullptr);
  results.entrants = scoreEntrants(scorer, contest);
  for (const MultiplierRule& rule : definition.multipliers) {
    results.multiplierRules.push_back(rule.name);
  }
  if (facts && !definition.multipliers.empty()) {
    results.scoreFormula = definition.score.text();
    results.multiplierValues = facts->takeValueTexts();
  }
  placeEntrants(&results.entrants);
  nameEntrantFiles(&results.entrants);
  for (TextId id = 1; id < findings.evidence.appearances.size(); ++id) {
    if (findings.evidence.appearances[id] > 0 && contest.entrantOf(id) < 0) {
      results.stationsWithoutLog.push_back(
          {std::string(contest.texts.view(id)), findings.evidence.appearances[id]});
    }
  }
  std::sort(results.stationsWithoutLog.begin(), results.stationsWithoutLog.end(),
            [](const StationWithoutLog& a, const StationWithoutLog& b) {
              return std::tie(b.appearances, a.call) < std::tie(a.appearances, b.call);
            });
  results.duplicateLogs = std::move(contest.duplicateLogs);
  results.unreadable = std::move(contest.unreadable);
  results.texts = std::move(contest.texts);
  return results;
}

}  // namespace crosscheck
