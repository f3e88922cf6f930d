#ifndef ZVK_CROSSCHECK_MULTIPLIERS_H_
#define ZVK_CROSSCHECK_MULTIPLIERS_H_

#include <cstdint>
#include <utility>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/contest_logs.h"
#include "crosscheck/own_log_rules.h"
#include "crosscheck/qso_facts.h"
#include "crosscheck/results.h"

namespace crosscheck {

// An entrant's multipliers, each from the first line in its log that gives
// it within the rule's scope (the whole contest, a band, a mode or both),
// of the lines whose judgement lets them count.
class MultiplierCounter {
 public:
  MultiplierCounter(const ContestDefinition& definition, const ContestLogs& contest,
                    const QsoFacts& facts);

  // The multipliers of the entrant whose lines, judged, are `lines` and
  // start at `firstLine` of the contest.
  std::vector<MultiplierFound> count(const std::vector<LineResult>& lines,
                                     std::size_t firstLine) const;
  // The number of multipliers a log claims: those of its lines [first,
  // first + count) of `lines` that claim by its own rules.
  std::size_t claimed(const std::vector<Line>& lines, const OwnLogRules& own, std::size_t first,
                      std::size_t count) const;

 private:
  std::size_t slotOf(std::size_t rule, TextId value, TextId band, TextId mode) const;
  std::uint32_t indexOf(const std::vector<TextId>& known, TextId id) const;

  const std::vector<MultiplierRule>& rules_;
  const QsoFacts& facts_;
  std::vector<TextId> bands_;  // the distinct band texts of the contest's lines
  std::vector<TextId> modes_;
  std::size_t slots_ = 0;  // one for each value, rule, band and mode
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_MULTIPLIERS_H_
