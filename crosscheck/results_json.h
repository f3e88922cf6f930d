#ifndef ZVK_CROSSCHECK_RESULTS_JSON_H_
#define ZVK_CROSSCHECK_RESULTS_JSON_H_

#include <ostream>

#include "crosscheck/results.h"

namespace crosscheck {

// Writes results.json: the contest, its period, every entrant with every
// line, the stations without a log, duplicate and unreadable logs.
void writeResultsJson(const Results& results, std::ostream& out);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_RESULTS_JSON_H_
