#include "cli/robot_program.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "errors/tool_error.h"

namespace cli {
namespace {

constexpr char kRobotProgram[] = "zvk-robot";

// Beside this program, wherever it was installed or built.
std::string robotProgramPath() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return (error ? std::filesystem::path(kRobotProgram) : self.parent_path() / kRobotProgram)
      .string();
}

}  // namespace

int runRobotProgram(int argc, char** argv) {
  const std::string path = robotProgramPath();
  std::vector<char*> arguments = {const_cast<char*>(path.c_str())};
  for (int i = 2; i < argc; ++i) arguments.push_back(argv[i]);
  arguments.push_back(nullptr);
  ::execv(path.c_str(), arguments.data());
  std::cerr << "zvk-score serve: cannot start " << path << ": " << std::strerror(errno) << "\n";
  return errors::exitCodeOf(errors::ErrorKind::kIo);
}

}  // namespace cli
