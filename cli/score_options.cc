#include "cli/score_options.h"

#include "import/text_case.h"
#include "zvk_version.h"

namespace cli {
namespace {

using ScoreOption = Option<ScoreOptions>;

const ScoreOption kCall = {{"--call", "CALL", "contestant (default: the log's own call)"},
                           [](const std::string& v, ScoreOptions* o) { o->call = v; }};
const ScoreOption kFrom = {
    {"--from", "DATE", "contest start, YYYY-MM-DD[THH:MM] UTC (default: first QSO)"},
    [](const std::string& v, ScoreOptions* o) { o->from = readDate("--from", v); }};
const ScoreOption kTo = {
    {"--to", "DATE", "contest end (default: last QSO)"},
    [](const std::string& v, ScoreOptions* o) { o->to = readPeriodEnd("--to", v); }};
const ScoreOption kCabrillo = {{"--cabrillo", nullptr, "also write the Cabrillo log CALL.cbr"},
                               [](const std::string&, ScoreOptions* o) { o->cabrillo = true; }};
const ScoreOption kOut = {{"--out", "DIR", "folder for the files written (default: .)"},
                          [](const std::string& v, ScoreOptions* o) { o->outDir = v; }};
const ScoreOption kYes = {{"--yes", nullptr, "accept the Cabrillo header settings as they are"},
                          [](const std::string&, ScoreOptions* o) { o->yes = true; }};
const ScoreOption kJson = {{"--json", nullptr, "print the result as JSON"},
                           [](const std::string&, ScoreOptions* o) { o->json = true; }};
const ScoreOption kHtml = {{"--html", "FILE", "also write the result as a web page to FILE"},
                           [](const std::string& v, ScoreOptions* o) { o->htmlFile = v; }};
const ScoreOption kPlugin = {
    {"--plugin", "PATH", "plug-in library (default: the one installed with zvk-score)"},
    [](const std::string& v, ScoreOptions* o) { o->pluginPath = v; }};
const ScoreOption kVersion = {{"--version", nullptr, "print the version"},
                              [](const std::string&, ScoreOptions* o) { o->version = true; }};

void takeLogs(const std::vector<std::string>& operands, ScoreOptions* options) {
  if (options->version) return;
  if (operands.empty()) failUsage("no log file given");
  options->logs = operands;
}

void takeQuestion(const std::vector<std::string>& operands, ScoreOptions* options) {
  if (operands.size() < 3 || operands.size() > 4) failUsage("check needs LOG CALL BAND [MODE]");
  options->logs = {operands[0]};
  options->checkCall = operands[1];
  options->checkBand = imports::toLower(operands[2]);
  if (operands.size() == 4) options->checkMode = imports::toUpper(operands[3]);
}

}  // namespace

const Command<ScoreOptions>& scoreCommand() {
  static const Command<ScoreOptions> kCommand = {
      "zvk-score [options] LOG...",
      "Scores ADIF or Cabrillo logs with the ZVK CW Contest plug-in.\n",
      {kCall, kFrom, kTo, kCabrillo, kOut, kYes, kJson, kHtml, kPlugin, kVersion},
      takeLogs};
  return kCommand;
}

// A question about one call needs no Cabrillo log, page or version.
const Command<ScoreOptions>& checkCommand() {
  static const Command<ScoreOptions> kCommand = {
      "zvk-score check [options] LOG CALL BAND [MODE]",
      "Loads LOG and asks the plug-in whether a QSO with CALL on BAND (mode CW\n"
      "unless given) would count now, is a dupe, or is not a contest QSO.\n",
      {kCall, kFrom, kTo, kOut, kYes, kJson, kPlugin},
      takeQuestion};
  return kCommand;
}

const char* const kVersionLine = "zvk-score " ZVK_VERSION_TEXT "\n";

}  // namespace cli
