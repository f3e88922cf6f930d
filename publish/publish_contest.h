#ifndef ZVK_PUBLISH_PUBLISH_CONTEST_H_
#define ZVK_PUBLISH_PUBLISH_CONTEST_H_

#include <string>

#include "crosscheck/crosscheck.h"
#include "crosscheck/results.h"

namespace publish {

// The whole cross-check of a contest, as `zvk-score crosscheck` and the
// robot's organiser run it: checks every log of `request` and writes the
// results folder `outDir` whole or not at all. Throws errors::ToolError
// (also for an override that names no QSO).
crosscheck::Results publishContest(const crosscheck::Request& request, const std::string& outDir);

}  // namespace publish

#endif  // ZVK_PUBLISH_PUBLISH_CONTEST_H_
