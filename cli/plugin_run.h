#ifndef ZVK_CLI_PLUGIN_RUN_H_
#define ZVK_CLI_PLUGIN_RUN_H_

#include <memory>
#include <vector>

#include "cli/score_options.h"
#include "host/evaluation.h"
#include "host/plugin_library.h"
#include "import/log_import.h"

namespace cli {

// What scoring a log and the check command both start from.
struct PluginRun {
  std::vector<imports::ImportedLog> logs;
  host::ContestSetup setup;
  std::unique_ptr<host::PluginLibrary> plugin;
};

// Reads the logs, sets the contest up, loads the plug-in and enters the
// output folder, where the plug-in writes its files. Throws
// errors::ToolError, and imports::InputError for a log that cannot be read,
// before anything is written.
PluginRun startPluginRun(const ScoreOptions& options);

}  // namespace cli

#endif  // ZVK_CLI_PLUGIN_RUN_H_
