#ifndef ZVK_PAGES_CONTEST_RUN_H_
#define ZVK_PAGES_CONTEST_RUN_H_

#include <string>

#include "crosscheck/crosscheck.h"
#include "crosscheck/results.h"

namespace pages {

// The whole cross-check of a contest: checks every log of `request` and
// writes results.json, results.csv, the reports and the pages into `outDir`,
// whole or not at all. Throws errors::ToolError and OverrideError.
crosscheck::Results checkAndPublish(const crosscheck::Request& request, const std::string& outDir);

// "57 logs checked (1 unreadable, 1 duplicate calls), 10234 QSO lines: 9120
// ok, ...; written to OUT".
std::string describeRun(const crosscheck::Results& results, const std::string& outDir);

}  // namespace pages

#endif  // ZVK_PAGES_CONTEST_RUN_H_
