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
  // The contest period, in place of the definition's: a log with no QSO in
  // it is refused, its QSOs outside it get warnings.
  std::optional<imports::UtcTime> from;
  std::optional<imports::UtcTime> to;
  std::string logsDir = "received";
  std::string host = "127.0.0.1";
  int port = 8073;  // 0: any free port
  // The first and the last second logs are taken in.
  std::optional<imports::UnixTime> opens;
  std::optional<imports::UnixTime> deadline;
  std::string organiserKeyFile;  // empty: no organiser pages
  std::size_t sizeLimitKib = 5 * 1024;
  int uploadBurst = 20;      // uploads a client address may send at once
  int uploadsPerMinute = 6;  // and then each minute
  bool verify = false;       // re-hash the store and report, instead of serving
  std::string smtpUrl;       // empty: receipts are not mailed
  std::string mailFrom;
  std::string smtpLoginFile;  // empty: the relay takes mail without a login
};

// zvk-score serve [options]: no operands.
const Command<ServeOptions>& serveCommand();

}  // namespace cli

#endif  // ZVK_CLI_SERVE_OPTIONS_H_
