#ifndef ZVK_CLI_CROSSCHECK_OPTIONS_H_
#define ZVK_CLI_CROSSCHECK_OPTIONS_H_

#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "import/utc_time.h"

namespace cli {

struct CrosscheckOptions {
  std::vector<std::string> logs;  // files and folders
  std::optional<imports::UtcTime> from;
  std::optional<imports::UtcTime> to;
  std::string contestFile;  // empty: the built-in ZVK CW Contest
  std::string outDir = "crosscheck";
  std::string overridesFile;  // empty: none
  std::string countryFile;    // empty: the definition's, else the default
};

// zvk-score crosscheck [options] LOG_OR_FOLDER...
const Command<CrosscheckOptions>& crosscheckCommand();

}  // namespace cli

#endif  // ZVK_CLI_CROSSCHECK_OPTIONS_H_
