#ifndef ZVK_CROSSCHECK_MULTIPLIER_SUMMARY_H_
#define ZVK_CROSSCHECK_MULTIPLIER_SUMMARY_H_

#include <cstdint>
#include <string>
#include <vector>

#include "crosscheck/results.h"

// An entrant's multipliers as the outputs show them.
namespace crosscheck {

// The multipliers whose lines were on one band and mode.
struct MultiplierCount {
  TextId band = TextPool::kEmpty;
  TextId mode = TextPool::kEmpty;
  std::int32_t count = 0;
};

// By the band and mode of the lines that gave them: bands in the entrant's
// band order, modes as they first come.
std::vector<MultiplierCount> multipliersByBand(const Results& results, const Entrant& entrant);

// "country per band DL": a multiplier as the report and the pages name it,
// added to `text`.
void appendMultiplierName(const Results& results, const MultiplierFound& found, std::string* text);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_MULTIPLIER_SUMMARY_H_
