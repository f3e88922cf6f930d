// zvk-robot: the log robot, as `zvk-score serve` starts it.
#include <string>
#include <vector>

#include "cli/serve_command.h"

int main(int argc, char** argv) {
  return cli::runServeCommand(std::vector<std::string>(argv + 1, argv + argc));
}
