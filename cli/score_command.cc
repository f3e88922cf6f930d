#include "cli/score_command.h"

#include <filesystem>
#include <iostream>

#include "cli/crosscheck_options.h"
#include "cli/plugin_run.h"
#include "cli/run_command.h"
#include "cli/score_options.h"
#include "cli/serve_options.h"
#include "errors/tool_error.h"
#include "files/posix_file_system.h"
#include "host/output_files.h"
#include "host/result_report.h"
#include "pages/log_page_file.h"

namespace cli {
namespace {

constexpr char kProgram[] = "zvk-score";

// The text of a file the plug-in wrote; empty when it wrote none.
std::string readText(const std::string& path) {
  try {
    return files::defaultFileSystem().readWhole(path);
  } catch (const errors::ToolError&) {
    return std::string();
  }
}

// Scoring is the program's own command: its help also lists the others.
std::string programHelp() {
  return scoreCommand().help() + "The other commands, each with its own --help:\n  " +
         checkCommand().usage + "\n  " + crosscheckCommand().usage + "\n  " + serveCommand().usage +
         "\n";
}

void printResult(const ScoreOptions& options, const host::Evaluation& evaluation,
                 const std::optional<host::Summary>& summary) {
  if (options.json) {
    std::cout << host::jsonReport(*summary, evaluation.ubnFile,
                                  host::groupUbnLines(readText(evaluation.ubnFile)),
                                  evaluation.filesWritten, options.outDir);
  } else {
    std::cout << host::textReport(evaluation.summary, evaluation.ubnFile, evaluation.filesWritten,
                                  options.outDir);
  }
}

int score(const ScoreOptions& given) {
  if (given.version) {
    std::cout << kVersionLine;
    return 0;
  }
  ScoreOptions options = given;
  // Named from where zvk-score was started, written from the output folder.
  if (!options.htmlFile.empty()) {
    options.htmlFile = std::filesystem::absolute(options.htmlFile).string();
  }
  PluginRun run = startPluginRun(options);
  host::Evaluation evaluation = host::evaluate(*run.plugin, run.setup, run.logs);
  std::optional<host::Summary> summary = host::parseSummary(evaluation.summary);
  if ((options.json || !options.htmlFile.empty()) && !summary) {
    throw errors::ToolError(errors::ErrorKind::kIo, {},
                            "the plug-in's result text has an unexpected layout");
  }
  printResult(options, evaluation, summary);
  if (!options.htmlFile.empty()) {
    pages::writeLogPageFile(options.htmlFile, *run.plugin, run.setup, run.logs, *summary,
                            readText(evaluation.ubnFile));
  }
  return 0;
}

}  // namespace

int runScoreCommand(const std::vector<std::string>& arguments) {
  return runCommand(kProgram, scoreCommand(), programHelp(), arguments, score);
}

}  // namespace cli
