// zvk-score: scores ADIF and Cabrillo logs through the contest plug-in,
// loaded as its host loads it, and runs the commands named by the first word.
#include <algorithm>
#include <string>
#include <vector>

#include "cli/check_command.h"
#include "cli/crosscheck_command.h"
#include "cli/robot_program.h"
#include "cli/score_command.h"

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  const std::vector<std::string> rest(argv + std::min(argc, 2), argv + argc);
  if (command == "check") return cli::runCheckCommand(rest);
  if (command == "crosscheck") return cli::runCrosscheckCommand(rest);
  if (command == "serve") return cli::runRobotProgram(argc, argv);
  return cli::runScoreCommand(std::vector<std::string>(argv + 1, argv + argc));
}
