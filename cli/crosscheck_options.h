#ifndef ZVK_CLI_CROSSCHECK_OPTIONS_H_
#define ZVK_CLI_CROSSCHECK_OPTIONS_H_

#include <optional>
#include <string>
#include <vector>

#include "import/utc_time.h"

namespace cli {

struct CrosscheckOptions {
  bool help = false;
  std::vector<std::string> logs;  // files and folders
  std::optional<imports::UtcTime> from;
  std::optional<imports::UtcTime> to;
  std::string contestFile;  // empty: the built-in ZVK CW Contest
  std::string outDir = "crosscheck";
  std::string overridesFile;  // empty: none
  std::string countryFile;    // empty: the definition's, else the default
};

// The arguments after "crosscheck". Throws UsageError for an unknown option,
// a missing value, a date that is not a date, or no log given.
CrosscheckOptions parseCrosscheckOptions(const std::vector<std::string>& arguments);

}  // namespace cli

#endif  // ZVK_CLI_CROSSCHECK_OPTIONS_H_
