#ifndef ZVK_CLI_RUN_COMMAND_H_
#define ZVK_CLI_RUN_COMMAND_H_

#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "cli/options.h"

namespace cli {

// Runs `body` and answers every error it throws in one way: the message
// after `program` ("zvk-score crosscheck: ...") on standard error, then
// `help` for a usage error, and the exit code of the error's kind.
int answerErrors(const std::string& program, const std::string& help,
                 const std::function<int()>& body);

// A command from its command line to its exit code: --help prints `help`,
// else `run` takes the settings.
template <typename Settings>
int runCommand(const std::string& program, const Command<Settings>& command,
               const std::string& help, const std::vector<std::string>& arguments,
               int (*run)(const Settings& settings)) {
  return answerErrors(program, help, [&] {
    const std::optional<Settings> settings = command.parse(arguments);
    if (!settings) {
      std::cout << help;
      return 0;
    }
    return run(*settings);
  });
}

}  // namespace cli

#endif  // ZVK_CLI_RUN_COMMAND_H_
