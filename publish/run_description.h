#ifndef ZVK_PUBLISH_RUN_DESCRIPTION_H_
#define ZVK_PUBLISH_RUN_DESCRIPTION_H_

#include <string>

#include "crosscheck/results.h"

namespace publish {

// "57 logs checked (1 unreadable, 1 duplicate calls), 10234 QSO lines: 9120
// ok, ...; written to OUT".
std::string describeRun(const crosscheck::Results& results, const std::string& outDir);

}  // namespace publish

#endif  // ZVK_PUBLISH_RUN_DESCRIPTION_H_
