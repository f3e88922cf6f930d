#include "cli/serve_options.h"

#include <cstdlib>

#include "cli/options.h"

namespace cli {
namespace {

constexpr const char* kValueOptions[] = {
    "--contest", "--logs", "--listen", "--deadline", "--organiser-key-file", "--max-log-kib"};
constexpr long kHighestPort = 65535;

bool takesValue(const std::string& name) {
  for (const char* option : kValueOptions) {
    if (name == option) return true;
  }
  return false;
}

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
    throw UsageError("--listen: \"" + value + "\" is not HOST:PORT (such as 127.0.0.1:8073)");
  }
  options->host = host;
  options->port = static_cast<int>(*port);
}

// `name` is one of kValueOptions.
void setOption(const std::string& name, const std::string& value, ServeOptions* options) {
  if (name == "--contest") {
    options->contestFile = value;
  } else if (name == "--logs") {
    options->logsDir = value;
  } else if (name == "--listen") {
    setAddress(value, options);
  } else if (name == "--deadline") {
    options->deadline = imports::parseDateTimeOption(value);
    if (!options->deadline) {
      throw UsageError("--deadline: \"" + value +
                       "\" is not a date (YYYY-MM-DD or YYYY-MM-DDTHH:MM, UTC)");
    }
  } else if (name == "--organiser-key-file") {
    options->organiserKeyFile = value;
  } else {
    std::optional<long> kib = readNumber(value, 1, 1024 * 1024);
    if (!kib) throw UsageError("--max-log-kib: \"" + value + "\" is not a size in KiB");
    options->sizeLimitKib = static_cast<std::size_t>(*kib);
  }
}

}  // namespace

ServeOptions parseServeOptions(const std::vector<std::string>& arguments) {
  ServeOptions options;
  for (std::size_t next = 0; next < arguments.size();) {
    const std::string& argument = arguments[next++];
    if (argument == "--help") {
      options.help = true;
      continue;
    }
    std::size_t equals = argument.find('=');
    std::string name = argument.substr(0, equals);
    if (!takesValue(name)) throw UsageError("unknown option or operand " + name);
    if (equals != std::string::npos) {
      setOption(name, argument.substr(equals + 1), &options);
    } else if (next < arguments.size()) {
      setOption(name, arguments[next++], &options);
    } else {
      throw UsageError(name + " needs a value");
    }
  }
  return options;
}

}  // namespace cli
