#ifndef ZVK_CLI_OPTIONS_H_
#define ZVK_CLI_OPTIONS_H_

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "import/utc_time.h"

namespace cli {

// A command line that cannot be followed; the message says why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Options {
  bool check = false;  // the "check" command instead of scoring
  bool help = false;
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

// Throws UsageError for an unknown option, a missing value, a date that is
// not a date, or missing operands.
Options parseOptions(const std::vector<std::string>& arguments);

// Every command and option, for --help and a bad command line.
extern const char* const kUsage;
// "zvk-score <version>" and a line end, for --version.
extern const char* const kVersionLine;

}  // namespace cli

#endif  // ZVK_CLI_OPTIONS_H_
