// zvk-score: scores ADIF and Cabrillo logs through the contest plug-in,
// loaded as its host loads it.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/check_command.h"
#include "cli/contest_setup.h"
#include "cli/crosscheck_command.h"
#include "cli/options.h"
#include "cli/robot_program.h"
#include "errors/tool_error.h"
#include "host/evaluation.h"
#include "host/output_files.h"
#include "host/result_report.h"
#include "import/log_import.h"
#include "pages/log_page_file.h"

namespace {

enum ExitCode { kOk = 0, kBadInput = 1, kBadUsage = 2, kCannotRun = 3 };

int fail(ExitCode code, const std::string& message) {
  std::cerr << "zvk-score: " << message << "\n";
  if (code == kBadUsage) std::cerr << cli::kUsage;
  return code;
}

std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The plug-in writes its files into the working folder, the settings below Plugins/.
void enterOutputFolder(const std::string& outDir) {
  std::filesystem::create_directories(std::filesystem::path(outDir) / "Plugins");
  std::filesystem::current_path(outDir);
}

int writePage(host::PluginLibrary& plugin, const cli::Options& options,
              const std::vector<imports::ImportedLog>& logs, const host::ContestSetup& setup,
              const host::Summary& summary, const host::Evaluation& evaluation) {
  try {
    pages::writeLogPageFile(options.htmlFile, plugin, setup, logs, summary,
                            readText(evaluation.ubnFile));
  } catch (const std::exception& error) {
    return fail(kCannotRun, error.what());
  }
  return kOk;
}

int score(host::PluginLibrary& plugin, const cli::Options& options,
          const std::vector<imports::ImportedLog>& logs, const host::ContestSetup& setup) {
  host::Evaluation evaluation = host::evaluate(plugin, setup, logs);
  std::optional<host::Summary> summary = host::parseSummary(evaluation.summary);
  if ((options.json || !options.htmlFile.empty()) && !summary) {
    return fail(kCannotRun, "the plug-in's result text has an unexpected layout");
  }
  if (options.json) {
    std::cout << host::jsonReport(*summary, evaluation.ubnFile,
                                  host::groupUbnLines(readText(evaluation.ubnFile)),
                                  evaluation.filesWritten, options.outDir);
  } else {
    std::cout << host::textReport(evaluation.summary, evaluation.ubnFile, evaluation.filesWritten,
                                  options.outDir);
  }
  if (options.htmlFile.empty()) return kOk;
  return writePage(plugin, options, logs, setup, *summary, evaluation);
}

int check(host::PluginLibrary& plugin, const cli::Options& options,
          const std::vector<imports::ImportedLog>& logs, const host::ContestSetup& setup) {
  host::ContestSetup withoutCabrillo = setup;
  withoutCabrillo.cabrillo = false;  // a question about one call needs no Cabrillo log
  host::loadLogs(plugin, withoutCabrillo, logs);
  std::string exchange;
  host::CallCheck answer =
      plugin.checkCall(options.checkCall, options.checkMode, options.checkBand, &exchange);
  std::cout << cli::checkReport(options.checkCall, options.checkBand, options.checkMode, answer,
                                exchange, options.json);
  return kOk;
}

int run(const cli::Options& options) {
  std::vector<imports::ImportedLog> logs;
  try {
    for (const std::string& path : options.logs) logs.push_back(imports::readLogFile(path));
  } catch (const errors::ToolError& error) {
    return fail(kBadInput, error.what());
  }
  host::ContestSetup setup = contestSetup(options, logs);
  if (options.yes) setenv("STATS_DIALOG", "ok", 1);
  std::unique_ptr<host::PluginLibrary> plugin;
  try {
    plugin = std::make_unique<host::PluginLibrary>(
        options.pluginPath.empty() ? host::defaultPluginPath() : options.pluginPath);
    enterOutputFolder(options.outDir);
  } catch (const std::exception& error) {
    return fail(kCannotRun, error.what());
  }
  return options.check ? check(*plugin, options, logs, setup)
                       : score(*plugin, options, logs, setup);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "crosscheck") {
    return cli::runCrosscheckCommand(std::vector<std::string>(argv + 2, argv + argc));
  }
  if (argc > 1 && std::string(argv[1]) == "serve") return cli::runRobotProgram(argc, argv);
  try {
    cli::Options options = cli::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help || options.version) {
      std::cout << (options.help ? cli::kUsage : cli::kVersionLine);
      return kOk;
    }
    // Named from where zvk-score was started, written from the output folder.
    if (!options.htmlFile.empty()) {
      options.htmlFile = std::filesystem::absolute(options.htmlFile).string();
    }
    return run(options);
  } catch (const cli::UsageError& error) {
    return fail(kBadUsage, error.what());
  }
}
