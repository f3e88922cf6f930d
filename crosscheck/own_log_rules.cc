#include "crosscheck/own_log_rules.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <numeric>
#include <tuple>

#include "crosscheck/line_halves.h"
#include "log/add_qso.h"
#include "log/ubn_file.h"

namespace crosscheck {
namespace {

constexpr Minute kMinutesPerHour = 60;

// The plug-in's rejection reason for each band, mode and missing exchange
// met, asked once per combination instead of once per line.
class Rejections {
 public:
  Rejections(const TextPool& texts, const rules::RuleSet& rules)
      : texts_(texts), bands_(rules.bands), modes_(rules.modes) {}

  const char* reasonFor(const Line& line) {
    const bool sent = line.exchSent != TextPool::kEmpty;
    const bool rcvd = line.exchRcvd != TextPool::kEmpty;
    auto key = std::make_tuple(line.band, line.mode, sent, rcvd);
    auto known = reasons_.find(key);
    if (known != reasons_.end()) return known->second;
    QsoFields qso;
    qso.band = CString(std::string(texts_.view(line.band)));
    qso.mode = CString(std::string(texts_.view(line.mode)));
    qso.exchSent = sent ? "x" : "";
    qso.exchRcvd = rcvd ? "x" : "";
    const char* reason = rejectionReason(qso, bands_, modes_);
    reasons_.emplace(key, reason);
    return reason;
  }

 private:
  const TextPool& texts_;
  CContestRules bands_;
  CContestRules modes_;
  std::map<std::tuple<TextId, TextId, bool, bool>, const char*> reasons_;
};

// Compared as texts: each file holds its own copy of the constants.
bool isOffContest(const char* reason) {
  return reason && (std::strcmp(reason, ubn_file::kNoContestBand) == 0 ||
                    std::strcmp(reason, ubn_file::kNoContestMode) == 0);
}

// A line repeats an earlier stored one with the same call, band and mode as
// the dupe rule says. Both kinds of rule hold for an earlier hour when they
// hold for a later one, so the latest earlier hour decides.
void markDupes(const ContestLogs& contest, const LogHeader& log, const rules::DupeRule& dupe,
               std::vector<Result>* result) {
  std::vector<std::uint32_t> order(static_cast<std::size_t>(log.lineCount));
  std::iota(order.begin(), order.end(), static_cast<std::uint32_t>(log.firstLine));
  auto key = [&](std::uint32_t i) {
    const Line& l = contest.lines[i];
    return std::make_tuple(l.call, l.band, l.mode);
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return key(a) < key(b); });
  bool inGroup = false;
  std::tuple<TextId, TextId, TextId> group;
  std::int64_t latestHour = 0;
  for (std::uint32_t i : order) {
    if ((*result)[i] != Result::kOk || contest.lines[i].call == TextPool::kEmpty) continue;
    const std::int64_t hour = contest.lines[i].minute / kMinutesPerHour;
    if (inGroup && group == key(i)) {
      if (dupe.repeats(hour, latestHour)) (*result)[i] = Result::kDupe;
      latestHour = std::max(latestHour, hour);
    } else {
      inGroup = true;
      group = key(i);
      latestHour = hour;
    }
  }
}

bool withinLimits(const TextPool& texts, const FrequencyLimits& limits, const Line& line) {
  return limits.empty() ||
         limits.allows(texts.view(line.band), texts.view(line.mode), line.frequencyKhz);
}

}  // namespace

OwnLogRules applyOwnLogRules(const ContestLogs& contest, const ContestDefinition& definition,
                             Minute from, Minute to) {
  const rules::RuleSet& rules = definition.rules;
  OwnLogRules own;
  own.result.assign(contest.lines.size(), Result::kOk);
  own.claimedPoints.assign(contest.lines.size(), 0);
  own.claimedByRules.assign(contest.entrants.size(), 0);
  // Each log is judged on its own, so the logs are shared out to two threads.
  forEntrantHalves(contest, [&](std::size_t firstEntrant, std::size_t endEntrant) {
    Rejections rejections(contest.texts, rules);
    for (std::size_t e = firstEntrant; e < endEntrant; ++e) {
      const LogHeader& log = contest.entrants[e];
      for (std::int32_t k = 0; k < log.lineCount; ++k) {
        const auto i = static_cast<std::size_t>(log.firstLine + k);
        const Line& line = contest.lines[i];
        const char* reason = rejections.reasonFor(line);
        if (isOffContest(reason) || !withinLimits(contest.texts, definition.frequencies, line)) {
          own.result[i] = Result::kNotContest;
        } else if (line.minute < from || line.minute > to) {
          own.result[i] = Result::kOutsidePeriod;
        }
        if (!reason && line.call != TextPool::kEmpty) {
          own.claimedPoints[i] = rules.points.pointsFor(contest.texts.view(line.exchRcvd));
          own.claimedByRules[e] += own.claimedPoints[i];
        }
      }
      if (definition.dupeMinutes == 0) markDupes(contest, log, rules.dupe, &own.result);
    }
  });
  return own;
}

}  // namespace crosscheck
