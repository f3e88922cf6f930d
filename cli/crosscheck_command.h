#ifndef ZVK_CLI_CROSSCHECK_COMMAND_H_
#define ZVK_CLI_CROSSCHECK_COMMAND_H_

#include <string>
#include <vector>

namespace cli {

// zvk-score crosscheck: checks every log against the others and writes the
// results folder. `arguments` follow the word "crosscheck". Returns the exit
// code: 0 all logs read, 1 a log could not be read (the others are checked)
// or a bad contest definition or overrides file, 2 a bad command line, 3 the
// output folder cannot be made.
int runCrosscheckCommand(const std::vector<std::string>& arguments);

}  // namespace cli

#endif  // ZVK_CLI_CROSSCHECK_COMMAND_H_
