#include "crosscheck/own_log_rules.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <tuple>

#include "import/field_split.h"
#include "import/utc_time.h"

namespace crosscheck {
namespace {

// Whether an exchange is there whole: a line lacking a field of a listed
// exchange lacks the exchange, as one lacking all of it does.
bool isWhole(std::string_view exchange) {
  return !exchange.empty() && !imports::lacksField(exchange);
}

// The plug-in's rejection for each band, mode and missing exchange met,
// asked once per combination instead of once per line.
class Rejections {
 public:
  Rejections(const TextPool& texts, const rules::RuleSet& rules)
      : texts_(texts), bands_(rules.bands), modes_(rules.modes) {}

  Rejection of(const Line& line) {
    const bool sent = line.exchSent != TextPool::kEmpty && isWhole(texts_.view(line.exchSent));
    const bool rcvd = line.exchRcvd != TextPool::kEmpty && isWhole(texts_.view(line.exchRcvd));
    auto key = std::make_tuple(line.band, line.mode, sent, rcvd);
    auto known = rejections_.find(key);
    if (known != rejections_.end()) return known->second;
    QsoFields qso;
    qso.band = CString(std::string(texts_.view(line.band)));
    qso.mode = CString(std::string(texts_.view(line.mode)));
    qso.exchSent = sent ? "x" : "";
    qso.exchRcvd = rcvd ? "x" : "";
    const Rejection rejection = rejectionOf(qso, bands_, modes_);
    rejections_.emplace(key, rejection);
    return rejection;
  }

 private:
  const TextPool& texts_;
  CContestRules bands_;
  CContestRules modes_;
  std::map<std::tuple<TextId, TextId, bool, bool>, Rejection> rejections_;
};

// A line repeats an earlier stored one with the same call, band and mode as
// the dupe rule says. Both kinds of rule hold for an earlier hour when they
// hold for a later one, so the latest earlier hour decides.
void markDupes(const std::vector<Line>& lines, const rules::DupeRule& dupe,
               std::vector<Result>* result) {
  std::vector<std::uint32_t> order(lines.size());
  std::iota(order.begin(), order.end(), 0u);
  auto key = [&](std::uint32_t i) {
    const Line& l = lines[i];
    return std::make_tuple(l.call, l.band, l.mode);
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return key(a) < key(b); });
  bool inGroup = false;
  std::tuple<TextId, TextId, TextId> group;
  std::int64_t latestHour = 0;
  for (std::uint32_t i : order) {
    if ((*result)[i] != Result::kOk || lines[i].call == TextPool::kEmpty) continue;
    const std::int64_t hour = imports::hourOf(lines[i].minute);
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

bool isOffContest(Rejection rejection) {
  return rejection == Rejection::kNoContestBand || rejection == Rejection::kNoContestMode;
}

OwnLogRules applyOwnLogRules(const std::vector<Line>& lines, const TextPool& texts,
                             const ContestDefinition& definition, Minute from, Minute to) {
  const rules::RuleSet& rules = definition.rules;
  OwnLogRules own;
  own.result.assign(lines.size(), Result::kOk);
  own.claimedPoints.assign(lines.size(), 0);
  own.rejection.assign(lines.size(), Rejection::kNone);
  own.claimedByRules.assign(1, 0);
  Rejections rejections(texts, rules);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    own.rejection[i] = rejections.of(line);
    if (isOffContest(own.rejection[i]) || !withinLimits(texts, definition.frequencies, line)) {
      own.result[i] = Result::kNotContest;
    } else if (line.minute < from || line.minute > to) {
      own.result[i] = Result::kOutsidePeriod;
    } else if (own.rejection[i] == Rejection::kNone && line.call != TextPool::kEmpty) {
      own.claimedPoints[i] = rules.points.pointsFor(texts.view(line.exchRcvd));
      own.claimedByRules.front() += own.claimedPoints[i];
    }
  }
  if (definition.dupeMinutes == 0) markDupes(lines, rules.dupe, &own.result);
  return own;
}

}  // namespace crosscheck
