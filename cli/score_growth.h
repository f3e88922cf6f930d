#ifndef ZVK_CLI_SCORE_GROWTH_H_
#define ZVK_CLI_SCORE_GROWTH_H_

#include <cstdint>
#include <vector>

#include "cli/evaluation.h"

namespace cli {

// The claimed score at the end of each hour from `firstHour` to `lastHour`
// (hours as the plug-in's dupe rule counts them), as the plug-in counts it:
// the QSOs handed over in time order and its result read after each hour.
// Runs in a scratch folder, so the files of the evaluation proper stay as
// they are. Throws std::runtime_error when the result cannot be read.
std::vector<long> scoreAfterEachHour(PluginLibrary& plugin, const ContestSetup& setup,
                                     const std::vector<ImportedLog>& logs, std::int64_t firstHour,
                                     std::int64_t lastHour);

}  // namespace cli

#endif  // ZVK_CLI_SCORE_GROWTH_H_
