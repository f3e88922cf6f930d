#ifndef ZVK_CLI_OPTIONS_H_
#define ZVK_CLI_OPTIONS_H_

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "import/utc_time.h"

namespace cli {

// An option as the command's help shows it.
struct OptionText {
  const char* name;   // "--out"
  const char* value;  // the value's name, "DIR"; nullptr: a flag, which takes none
  const char* help;   // the rest of its help line
};

// One row of a command's option table: the option and what it sets (a flag
// is set with an empty value).
template <typename Settings>
struct Option {
  OptionText text;
  void (*set)(const std::string& value, Settings* settings);
};

// A command of zvk-score: its usage line, what it does, its option table and
// what its operands are. Every command also takes --help.
template <typename Settings>
struct Command {
  const char* usage;  // "zvk-score crosscheck [options] LOG_OR_FOLDER..."
  const char* about;  // what it does, each line ended by a line end
  std::vector<Option<Settings>> options;
  // Throws a usage error when the operands are not what the command takes.
  void (*takeOperands)(const std::vector<std::string>& operands, Settings* settings);

  // The settings `arguments` give, or none when they ask for the help.
  // Throws errors::ToolError (kBadUsage).
  std::optional<Settings> parse(const std::vector<std::string>& arguments) const;
  // The text --help prints.
  std::string help() const;

 private:
  std::vector<OptionText> texts() const;
};

// Walks `arguments`, taking "--name value" and "--name=value" alike: calls
// `take` with the row in `options` and the value of each option given, in
// order, and returns the operands, or none for --help. Throws
// errors::ToolError (kBadUsage) for an unknown option, a missing value, or a
// value given to a flag.
std::optional<std::vector<std::string>> readArguments(
    const std::vector<std::string>& arguments, const std::vector<OptionText>& options,
    const std::function<void(std::size_t row, const std::string& value)>& take);

// A command's help: the usage line, what it does, and a line per option.
std::string helpText(const char* usage, const char* about, const std::vector<OptionText>& options);

// A command line that cannot be followed: throws errors::ToolError
// (kBadUsage) with `reason`, naming `option` when one is given.
[[noreturn]] void failUsage(const std::string& reason, const std::string& option = "");

// The date an option gives, YYYY-MM-DD or YYYY-MM-DDTHH:MM in UTC; a usage
// error otherwise.
imports::UtcTime readDate(const std::string& option, const std::string& value);
// The same for the end of a period, where a date alone is its last minute.
imports::UtcTime readPeriodEnd(const std::string& option, const std::string& value);

// The seconds such a date names: a date alone its whole day, a date with a
// time its whole minute. A usage error when it is no date.
struct SecondsNamed {
  imports::UnixTime first = 0;
  imports::UnixTime last = 0;
};
SecondsNamed readSecondsNamed(const std::string& option, const std::string& value);

template <typename Settings>
std::vector<OptionText> Command<Settings>::texts() const {
  std::vector<OptionText> texts;
  for (const Option<Settings>& option : options) texts.push_back(option.text);
  return texts;
}

template <typename Settings>
std::optional<Settings> Command<Settings>::parse(const std::vector<std::string>& arguments) const {
  Settings settings;
  const std::optional<std::vector<std::string>> operands = readArguments(
      arguments, texts(), [this, &settings](std::size_t row, const std::string& value) {
        options[row].set(value, &settings);
      });
  if (!operands) return std::nullopt;
  takeOperands(*operands, &settings);
  return settings;
}

template <typename Settings>
std::string Command<Settings>::help() const {
  return helpText(usage, about, texts());
}

}  // namespace cli

#endif  // ZVK_CLI_OPTIONS_H_
