#ifndef ZVK_CROSSCHECK_CROSSCHECK_H_
#define ZVK_CROSSCHECK_CROSSCHECK_H_

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/overrides.h"
#include "crosscheck/results.h"

namespace crosscheck {

struct Request {
  std::vector<std::string> files;
  ContestDefinition definition;  // its period already set from --from and --to
  Overrides overrides;
  std::string countryFile;  // --country-file; empty: the definition's, else the default
  std::function<void()> onFileRead = [] {};
};

// The organisers' procedure, stage by stage: read the logs, apply each log's
// own rules, index, estimate the clocks, match, judge, void the partners of
// errors, mark the dupes in minutes, apply the overrides, score. Throws
// errors::ToolError for an override that names no QSO.
Results crosscheckContest(const Request& request);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_CROSSCHECK_H_
