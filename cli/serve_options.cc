#include "cli/serve_options.h"

#include <cstdlib>

namespace cli {
namespace {

constexpr long kHighestPort = 65535;
constexpr long kMostKib = 1024 * 1024;

// The whole of `text` as a number from `lowest` to `highest`; empty otherwise.
std::optional<long> readNumber(const std::string& text, long lowest, long highest) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return {};
  const long number = std::strtol(text.c_str(), nullptr, 10);
  if (text.size() > 9 || number < lowest || number > highest) return {};
  return number;
}

// "HOST:PORT", the host of an IPv6 address in brackets: "[::1]:8073".
void setAddress(const std::string& value, ServeOptions* options) {
  const std::size_t colon = value.rfind(':');
  std::optional<long> port;
  if (colon != std::string::npos) port = readNumber(value.substr(colon + 1), 0, kHighestPort);
  std::string host = colon == std::string::npos ? std::string() : value.substr(0, colon);
  if (host.size() > 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
  }
  if (!port || host.empty()) {
    failUsage("\"" + value + "\" is not HOST:PORT (such as 127.0.0.1:8073)", "--listen");
  }
  options->host = host;
  options->port = static_cast<int>(*port);
}

void setSizeLimit(const std::string& value, ServeOptions* options) {
  std::optional<long> kib = readNumber(value, 1, kMostKib);
  if (!kib) failUsage("\"" + value + "\" is not a size in KiB", "--max-log-kib");
  options->sizeLimitKib = static_cast<std::size_t>(*kib);
}

constexpr long kMostUploads = 1000000;

// A count of uploads from 1 up, for `option`.
int readUploads(const std::string& value, const char* option) {
  std::optional<long> count = readNumber(value, 1, kMostUploads);
  if (!count) failUsage("\"" + value + "\" is not a number of uploads from 1 to 1000000", option);
  return static_cast<int>(*count);
}

void setSmtpUrl(const std::string& value, ServeOptions* options) {
  if (value.rfind("smtp://", 0) != 0 && value.rfind("smtps://", 0) != 0) {
    failUsage("\"" + value + "\" is not smtp://HOST[:PORT] or smtps://HOST[:PORT]", "--smtp-url");
  }
  options->smtpUrl = value;
}

// Mail needs both the relay and the sender, and a login needs the relay.
void takeNoOperand(const std::vector<std::string>& operands, ServeOptions* options) {
  if (!operands.empty()) failUsage("unknown option or operand " + operands[0]);
  if (options->smtpUrl.empty() != options->mailFrom.empty()) {
    failUsage("--smtp-url and --mail-from are given together or not at all");
  }
  if (!options->smtpLoginFile.empty() && options->smtpUrl.empty()) {
    failUsage("--smtp-login-file needs --smtp-url");
  }
}

}  // namespace

const Command<ServeOptions>& serveCommand() {
  using O = ServeOptions;
  static const Command<ServeOptions> kCommand = {
      "zvk-score serve [options]",
      "Runs the log robot: operators upload their logs on a web page and get a\n"
      "receipt or every problem at once; it stops on SIGINT or SIGTERM.\n",
      {
          {{"--contest", "FILE", "contest definition (default: the built-in ZVK CW Contest)"},
           [](const std::string& v, O* o) { o->contestFile = v; }},
          {{"--from", "DATE", "contest start, YYYY-MM-DD[THH:MM] UTC (default: the contest's)"},
           [](const std::string& v, O* o) { o->from = readDate("--from", v); }},
          {{"--to", "DATE", "contest end (default: the contest's)"},
           [](const std::string& v, O* o) { o->to = readPeriodEnd("--to", v); }},
          {{"--logs", "DIR", "folder the logs are kept in (default: received)"},
           [](const std::string& v, O* o) { o->logsDir = v; }},
          {{"--listen", "HOST:PORT", "address to serve at (default: 127.0.0.1:8073)"}, setAddress},
          {{"--opens", "DATE",
            "logs are taken from the start of this day or minute on, YYYY-MM-DD[THH:MM] UTC"},
           [](const std::string& v, O* o) { o->opens = readSecondsNamed("--opens", v).first; }},
          {{"--deadline", "DATE",
            "logs are taken until the end of this day or minute, YYYY-MM-DD[THH:MM] UTC"},
           [](const std::string& v, O* o) {
             o->deadline = readSecondsNamed("--deadline", v).last;
           }},
          {{"--organiser-key-file", "FILE",
            "the key that opens the organiser pages (default: off)"},
           [](const std::string& v, O* o) { o->organiserKeyFile = v; }},
          {{"--max-log-kib", "N", "largest log taken, in KiB (default: 5120)"}, setSizeLimit},
          {{"--upload-burst", "N", "uploads one client address may send at once (default: 20)"},
           [](const std::string& v, O* o) { o->uploadBurst = readUploads(v, "--upload-burst"); }},
          {{"--uploads-per-minute", "N",
            "and then each minute; more are answered 429 (default: 6)"},
           [](const std::string& v, O* o) {
             o->uploadsPerMinute = readUploads(v, "--uploads-per-minute");
           }},
          {{"--verify", nullptr,
            "check every file kept byte for byte, print each difference, exit (1: some)"},
           [](const std::string&, O* o) { o->verify = true; }},
          {{"--smtp-url", "URL",
            "mail each receipt through this relay, smtp://HOST:PORT or smtps://HOST:PORT"},
           setSmtpUrl},
          {{"--mail-from", "ADDRESS", "the receipts' sender"},
           [](const std::string& v, O* o) { o->mailFrom = v; }},
          {{"--smtp-login-file", "FILE",
            "the relay's user name and password, a line each (default: no login)"},
           [](const std::string& v, O* o) { o->smtpLoginFile = v; }},
      },
      takeNoOperand};
  return kCommand;
}

}  // namespace cli
