#include "cli/crosscheck_options.h"

#include "cli/options.h"

namespace cli {
namespace {

constexpr const char* kValueOptions[] = {"--from", "--to",        "--contest",
                                         "--out",  "--overrides", "--country-file"};

bool takesValue(const std::string& name) {
  for (const char* option : kValueOptions) {
    if (name == option) return true;
  }
  return false;
}

bool isOption(const std::string& argument) {
  return argument.size() > 2 && argument.compare(0, 2, "--") == 0;
}

imports::UtcTime readDate(const std::string& option, const std::string& value) {
  std::optional<imports::UtcTime> date = imports::parseDateTimeOption(value);
  if (!date) {
    throw UsageError(option + ": \"" + value +
                     "\" is not a date (YYYY-MM-DD or YYYY-MM-DDTHH:MM, UTC)");
  }
  return *date;
}

// `name` is one of kValueOptions.
void setOption(const std::string& name, const std::string& value, CrosscheckOptions* options) {
  if (name == "--from") {
    options->from = readDate(name, value);
  } else if (name == "--to") {
    options->to = readDate(name, value);
  } else if (name == "--contest") {
    options->contestFile = value;
  } else if (name == "--out") {
    options->outDir = value;
  } else if (name == "--country-file") {
    options->countryFile = value;
  } else {
    options->overridesFile = value;
  }
}

}  // namespace

CrosscheckOptions parseCrosscheckOptions(const std::vector<std::string>& arguments) {
  CrosscheckOptions options;
  for (std::size_t next = 0; next < arguments.size();) {
    const std::string& argument = arguments[next++];
    if (argument == "--help") {
      options.help = true;
      continue;
    }
    if (!isOption(argument)) {
      options.logs.push_back(argument);
      continue;
    }
    std::size_t equals = argument.find('=');
    std::string name = argument.substr(0, equals);
    if (!takesValue(name)) throw UsageError("unknown option " + name);
    if (equals != std::string::npos) {
      setOption(name, argument.substr(equals + 1), &options);
    } else if (next < arguments.size() && !isOption(arguments[next])) {
      setOption(name, arguments[next++], &options);
    } else {
      throw UsageError(name + " needs a value");
    }
  }
  if (!options.help && options.logs.empty()) throw UsageError("crosscheck: no log file given");
  return options;
}

}  // namespace cli
