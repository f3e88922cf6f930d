#ifndef ZVK_CROSSCHECK_RESULTS_CSV_H_
#define ZVK_CROSSCHECK_RESULTS_CSV_H_

#include <ostream>

#include "crosscheck/results.h"

namespace crosscheck {

// Writes results.csv: a row per entrant in the results' order (category,
// then place), with a header row.
void writeResultsCsv(const Results& results, std::ostream& out);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_RESULTS_CSV_H_
