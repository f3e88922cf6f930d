#ifndef ZVK_HOST_SCORE_GROWTH_H_
#define ZVK_HOST_SCORE_GROWTH_H_

#include <cstdint>
#include <vector>

#include "host/evaluation.h"

namespace host {

// The claimed score at the end of each hour from `firstHour` to `lastHour`
// (hours as the plug-in's dupe rule counts them), as the plug-in counts it:
// the QSOs handed over in time order and its result read after each hour.
// Runs in a scratch folder, so the files of the evaluation proper stay as
// they are. Throws std::runtime_error when the result cannot be read.
std::vector<long> scoreAfterEachHour(PluginLibrary& plugin, const ContestSetup& setup,
                                     const std::vector<imports::ImportedLog>& logs,
                                     std::int64_t firstHour, std::int64_t lastHour);

}  // namespace host

#endif  // ZVK_HOST_SCORE_GROWTH_H_
