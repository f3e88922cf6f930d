#ifndef ZVK_CLI_SERVE_COMMAND_H_
#define ZVK_CLI_SERVE_COMMAND_H_

#include <string>
#include <vector>

namespace cli {

// zvk-score serve: the log robot, until SIGINT or SIGTERM. `arguments`
// follow the word "serve". Returns the exit code: 0 stopped by a signal, 1 a
// bad contest definition or key file, 2 a bad command line, 3 the store
// cannot be opened or the address cannot be bound.
int runServeCommand(const std::vector<std::string>& arguments);

}  // namespace cli

#endif  // ZVK_CLI_SERVE_COMMAND_H_
