#ifndef ZVK_CLI_CONTEST_SETUP_H_
#define ZVK_CLI_CONTEST_SETUP_H_

#include <vector>

#include "cli/score_options.h"
#include "host/evaluation.h"

namespace cli {

// The contestant (--call, else the first log's own call) and the period
// (--from/--to, else the first and last QSO times). Throws a usage error when
// the logs name neither.
host::ContestSetup contestSetup(const ScoreOptions& options,
                                const std::vector<imports::ImportedLog>& logs);

}  // namespace cli

#endif  // ZVK_CLI_CONTEST_SETUP_H_
