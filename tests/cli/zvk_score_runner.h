#ifndef ZVK_TESTS_CLI_ZVK_SCORE_RUNNER_H_
#define ZVK_TESTS_CLI_ZVK_SCORE_RUNNER_H_

#include <string>
#include <vector>

namespace testing_support {

struct ProgramRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the built zvk-score with the built plug-in (a later --plugin in
// `arguments` overrides it; crosscheck and serve get none), standard input empty, in
// the current folder.
ProgramRun runZvkScore(const std::vector<std::string>& arguments);

}  // namespace testing_support

#endif  // ZVK_TESTS_CLI_ZVK_SCORE_RUNNER_H_
