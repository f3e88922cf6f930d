#include "cli/crosscheck_options.h"

namespace cli {
namespace {

void takeLogs(const std::vector<std::string>& operands, CrosscheckOptions* options) {
  if (operands.empty()) failUsage("crosscheck: no log file given");
  options->logs = operands;
}

}  // namespace

const Command<CrosscheckOptions>& crosscheckCommand() {
  using O = CrosscheckOptions;
  static const Command<CrosscheckOptions> kCommand = {
      "zvk-score crosscheck [options] LOG_OR_FOLDER...",
      "Checks every log of a contest against the others (a folder: every file in\n"
      "it) and writes results.json, results.csv, reports/CALL.txt and the pages\n"
      "index.html and entrants/CALL.html.\n",
      {
          {{"--from", "DATE", "contest start (default: the contest's, else the first QSO)"},
           [](const std::string& v, O* o) { o->from = readDate("--from", v); }},
          {{"--to", "DATE", "contest end (default: the contest's, else the last QSO)"},
           [](const std::string& v, O* o) { o->to = readPeriodEnd("--to", v); }},
          {{"--contest", "FILE", "contest definition (default: the built-in ZVK CW Contest)"},
           [](const std::string& v, O* o) { o->contestFile = v; }},
          {{"--out", "DIR", "output folder, replaced whole (default: crosscheck)"},
           [](const std::string& v, O* o) { o->outDir = v; }},
          {{"--overrides", "FILE", "judgements by hand, one a line: CALL LINE RESULT reason"},
           [](const std::string& v, O* o) { o->overridesFile = v; }},
          {{"--country-file", "FILE",
            "country file for countries, zones and continents (default: the definition's, "
            "else hamradio-files' cty.dat)"},
           [](const std::string& v, O* o) { o->countryFile = v; }},
      },
      takeLogs};
  return kCommand;
}

}  // namespace cli
