#ifndef ZVK_CROSSCHECK_MULTIPLIER_JSON_H_
#define ZVK_CROSSCHECK_MULTIPLIER_JSON_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "crosscheck/results.h"

// results.json's members for multipliers, each starting with a comma; none
// at all for a contest without multipliers, whose document stays as it was.
namespace crosscheck {

// ,"multipliers":["country per band"],"scoreFormula":"points*multipliers"
std::string contestMultiplierMembers(const Results& results);

// ,"qsoPoints":N,"multipliers":M,"multipliersByBand":[{"band":..,"mode":..,"count":N}]
std::string entrantMultiplierMembers(const Results& results, const Entrant& entrant);

// A line's ,"multipliers":{"country per band":"DL"}: the multipliers it
// newly gives. Asked for an entrant's lines in order, one text reused.
class LineMultipliers {
 public:
  LineMultipliers(const Results& results, const Entrant& entrant)
      : results_(results), entrant_(entrant) {}

  std::string_view of(std::size_t lineIndex);

 private:
  const Results& results_;
  const Entrant& entrant_;
  std::size_t next_ = 0;  // the entrant's first multiplier not yet written
  std::string text_;
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_MULTIPLIER_JSON_H_
