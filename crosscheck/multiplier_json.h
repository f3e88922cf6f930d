#ifndef ZVK_CROSSCHECK_MULTIPLIER_JSON_H_
#define ZVK_CROSSCHECK_MULTIPLIER_JSON_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "crosscheck/results.h"

// results.json's members for multipliers, each starting with a comma; none
// at all for a contest without multipliers, whose document stays as it was.
namespace crosscheck {

// ,"multipliers":["country per band"],"scoreFormula":"points*multipliers"
std::string contestMultiplierMembers(const Results& results);

// ,"qsoPoints":N,"multipliers":M,"multipliersByBand":[{"band":..,"mode":..,"count":N}]
std::string entrantMultiplierMembers(const Results& results, const Entrant& entrant);

// A line's ,"multipliers":{"country per band":"DL"}: the multipliers it
// newly gives. The rules' and values' texts are quoted once for the
// million lines that repeat them.
class LineMultipliers {
 public:
  explicit LineMultipliers(const Results& results);

  // Asked for an entrant's lines in order, from `*next` = 0: the entrant's
  // first multiplier not yet written. The text is reused by the next call.
  std::string_view of(const Entrant& entrant, std::size_t lineIndex, std::size_t* next);

 private:
  bool none_;
  std::vector<std::string> rules_;   // "country per band":
  std::vector<std::string> values_;  // by TextId in Results::multiplierValues
  std::string text_;
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_MULTIPLIER_JSON_H_
