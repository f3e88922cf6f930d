#include "cli/check_command.h"

#include <iostream>

#include "cli/plugin_run.h"
#include "cli/run_command.h"
#include "cli/score_options.h"
#include "host/json_text.h"

namespace cli {
namespace {

std::string answerKey(host::CallCheck answer) {
  switch (answer) {
    case host::CallCheck::kCounts:
      return "counts";
    case host::CallCheck::kDupe:
      return "dupe";
    case host::CallCheck::kNoContestQso:
      return "no-contest-qso";
  }
  return "answer " + std::to_string(static_cast<int>(answer));
}

std::string answerText(host::CallCheck answer) {
  switch (answer) {
    case host::CallCheck::kCounts:
      return "would count";
    case host::CallCheck::kDupe:
      return "is a dupe";
    case host::CallCheck::kNoContestQso:
      return "is not a contest QSO";
  }
  return "got the unknown answer " + std::to_string(static_cast<int>(answer));
}

int check(const ScoreOptions& options) {
  PluginRun run = startPluginRun(options);
  host::loadLogs(*run.plugin, run.setup, run.logs);
  std::string exchange;
  host::CallCheck answer =
      run.plugin->checkCall(options.checkCall, options.checkMode, options.checkBand, &exchange);
  std::cout << checkReport(options.checkCall, options.checkBand, options.checkMode, answer,
                           exchange, options.json);
  return 0;
}

}  // namespace

int runCheckCommand(const std::vector<std::string>& arguments) {
  return runCommand("zvk-score", checkCommand(), checkCommand().help(), arguments, check);
}

std::string checkReport(const std::string& call, const std::string& band, const std::string& mode,
                        host::CallCheck answer, const std::string& exchange, bool json) {
  if (json) {
    const nlohmann::ordered_json report = {{"call", call},
                                           {"band", band},
                                           {"mode", mode},
                                           {"answer", answerKey(answer)},
                                           {"exchange", exchange}};
    return host::layoutJson(report, {}) + "\n";
  }
  std::string text = call + " on " + band + " " + mode + " " + answerText(answer) + "\n";
  if (!exchange.empty()) text += "Exchange sent before: " + exchange + "\n";
  return text;
}

}  // namespace cli
