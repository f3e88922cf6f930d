#ifndef ZVK_CLI_SCORE_COMMAND_H_
#define ZVK_CLI_SCORE_COMMAND_H_

#include <string>
#include <vector>

namespace cli {

// zvk-score [options] LOG...: scores the logs through the plug-in and prints
// its result, as text or JSON, and writes the log's page. Returns the exit
// code.
int runScoreCommand(const std::vector<std::string>& arguments);

}  // namespace cli

#endif  // ZVK_CLI_SCORE_COMMAND_H_
