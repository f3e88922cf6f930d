#include "tests/cli/zvk_score_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "tests/support/temp_dir.h"

namespace testing_support {
namespace {

constexpr const char* kOutFile = ".zvk-score.out";
constexpr const char* kErrFile = ".zvk-score.err";

std::string quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

}  // namespace

ProgramRun runZvkScore(const std::vector<std::string>& arguments) {
  std::string command = quoted(ZVK_SCORE_PROGRAM);
  std::vector<std::string> all = arguments;
  // crosscheck and serve open no plug-in.
  if (all.empty() || (all[0] != "crosscheck" && all[0] != "serve")) {
    all.insert(all.begin() + (!all.empty() && all[0] == "check" ? 1 : 0),
               {"--plugin", ZVK_STATS_LIBRARY});
  }
  for (const std::string& argument : all) command += " " + quoted(argument);
  command += std::string(" </dev/null >") + kOutFile + " 2>" + kErrFile;
  int status = std::system(command.c_str());
  ProgramRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = readFile(kOutFile);
  run.err = readFile(kErrFile);
  std::remove(kOutFile);
  std::remove(kErrFile);
  return run;
}

}  // namespace testing_support
