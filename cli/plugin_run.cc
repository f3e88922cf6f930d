#include "cli/plugin_run.h"

#include <cstdlib>
#include <filesystem>

#include "cli/contest_setup.h"
#include "files/posix_file_system.h"

namespace cli {
namespace {

// The plug-in writes its files into the working folder, the settings below Plugins/.
void enterOutputFolder(const std::string& outDir) {
  files::defaultFileSystem().makeFolders(outDir + "/Plugins");
  std::filesystem::current_path(outDir);
}

}  // namespace

PluginRun startPluginRun(const ScoreOptions& options) {
  PluginRun run;
  for (const std::string& path : options.logs) run.logs.push_back(imports::readLogFile(path));
  run.setup = contestSetup(options, run.logs);
  if (options.yes) setenv("STATS_DIALOG", "ok", 1);
  run.plugin = std::make_unique<host::PluginLibrary>(
      options.pluginPath.empty() ? host::defaultPluginPath() : options.pluginPath);
  enterOutputFolder(options.outDir);
  return run;
}

}  // namespace cli
