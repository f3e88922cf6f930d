#ifndef ZVK_CLI_SERVE_OPTIONS_H_
#define ZVK_CLI_SERVE_OPTIONS_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "import/utc_time.h"

namespace cli {

struct ServeOptions {
  std::string contestFile;  // empty: the built-in ZVK CW Contest
  std::string logsDir = "received";
  std::string host = "127.0.0.1";
  int port = 8073;  // 0: any free port
  std::optional<imports::UtcTime> deadline;
  std::string organiserKeyFile;  // empty: no organiser pages
  std::size_t sizeLimitKib = 5 * 1024;
  std::string smtpUrl;  // empty: receipts are not mailed
  std::string mailFrom;
  std::string smtpLoginFile;  // empty: the relay takes mail without a login
};

// zvk-score serve [options]: no operands.
const Command<ServeOptions>& serveCommand();

}  // namespace cli

#endif  // ZVK_CLI_SERVE_OPTIONS_H_
