#include "cli/options.h"

#include "errors/tool_error.h"

namespace cli {
namespace {

constexpr char kHelpOption[] = "--help";
constexpr OptionText kHelpText = {kHelpOption, nullptr, "print this text"};
// Where an option's help starts, after its name and value.
constexpr std::size_t kHelpColumn = 17;

bool isOption(const std::string& argument) {
  return argument.size() > 2 && argument.compare(0, 2, "--") == 0;
}

std::size_t rowOf(const std::string& name, const std::vector<OptionText>& options) {
  for (std::size_t row = 0; row < options.size(); ++row) {
    if (name == options[row].name) return row;
  }
  failUsage("unknown option " + name);
}

std::string helpLine(const OptionText& option) {
  std::string left = option.name;
  if (option.value) left += std::string(" ") + option.value;
  left += left.size() < kHelpColumn ? std::string(kHelpColumn - left.size(), ' ') : "  ";
  return "  " + left + option.help + "\n";
}

imports::UtcTime dateOrFail(const std::optional<imports::UtcTime>& date, const std::string& option,
                            const std::string& value) {
  if (!date)
    failUsage("\"" + value + "\" is not a date (YYYY-MM-DD or YYYY-MM-DDTHH:MM, UTC)", option);
  return *date;
}

}  // namespace

std::optional<std::vector<std::string>> readArguments(
    const std::vector<std::string>& arguments, const std::vector<OptionText>& options,
    const std::function<void(std::size_t row, const std::string& value)>& take) {
  std::vector<std::string> operands;
  bool help = false;
  for (std::size_t next = 0; next < arguments.size();) {
    const std::string& argument = arguments[next++];
    if (!isOption(argument)) {
      operands.push_back(argument);
      continue;
    }
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const bool hasValue = equals != std::string::npos;
    if (name == kHelpOption && !hasValue) {
      help = true;
      continue;
    }
    const std::size_t row = rowOf(name, options);
    if (!options[row].value) {
      if (hasValue) failUsage(name + " takes no value");
      take(row, "");
    } else if (hasValue) {
      take(row, argument.substr(equals + 1));
    } else if (next < arguments.size() && !isOption(arguments[next])) {
      take(row, arguments[next++]);
    } else {
      // A following option is a forgotten value, not the value itself.
      failUsage(name + " needs a value");
    }
  }
  if (help) return std::nullopt;
  return operands;
}

std::string helpText(const char* usage, const char* about, const std::vector<OptionText>& options) {
  std::string text = std::string("usage: ") + usage + "\n" + about;
  for (const OptionText& option : options) text += helpLine(option);
  return text + helpLine(kHelpText);
}

void failUsage(const std::string& reason, const std::string& option) {
  throw errors::ToolError(errors::ErrorKind::kBadUsage, {"", 0, option}, reason);
}

imports::UtcTime readDate(const std::string& option, const std::string& value) {
  return dateOrFail(imports::parseDateTimeOption(value), option, value);
}

imports::UtcTime readPeriodEnd(const std::string& option, const std::string& value) {
  return dateOrFail(imports::parsePeriodEndOption(value), option, value);
}

SecondsNamed readSecondsNamed(const std::string& option, const std::string& value) {
  const imports::UnixTime first = imports::unixTimeOf(readDate(option, value));
  const bool wholeDay = imports::parseDashedDate(value).has_value();
  return {first, first + (wholeDay ? imports::kSecondsPerDay : imports::kSecondsPerMinute) - 1};
}

}  // namespace cli
