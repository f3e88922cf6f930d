#ifndef ZVK_CLI_SCORE_OPTIONS_H_
#define ZVK_CLI_SCORE_OPTIONS_H_

#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "import/utc_time.h"

namespace cli {

// What scoring a log, and the check command's question about it, are told.
struct ScoreOptions {
  bool version = false;  // --version
  std::vector<std::string> logs;
  std::string call;  // --call
  std::optional<imports::UtcTime> from;
  std::optional<imports::UtcTime> to;
  bool cabrillo = false;
  std::string outDir = ".";
  bool yes = false;
  bool json = false;
  std::string htmlFile;    // --html: also write the log's page there
  std::string pluginPath;  // empty: the default
  // The check command's question.
  std::string checkCall;
  std::string checkBand;
  std::string checkMode = "CW";
};

// zvk-score [options] LOG...
const Command<ScoreOptions>& scoreCommand();
// zvk-score check [options] LOG CALL BAND [MODE]
const Command<ScoreOptions>& checkCommand();

// "zvk-score <version>" and a line end, for --version.
extern const char* const kVersionLine;

}  // namespace cli

#endif  // ZVK_CLI_SCORE_OPTIONS_H_
