// crosscheck-bench: times `zvk-score crosscheck` on synthetic contests of
// 100 000 and 1 000 000 QSO lines (200 lines a log), reports its peak memory
// against the budget of 50 MiB + 300 bytes a line, and compares it with the
// plain script bench/naive_crosscheck.py on the contest of 100 000 lines
// (with --script-everywhere on both; the script needs about 20 minutes for
// the larger one). With --multipliers, the contest of 1 000 000 lines is also
// checked with countries and CQ zones per band for multipliers and points by
// continent; with --biggest, a contest the size of the world's biggest
// (10 000 logs, 8 000 000 lines) with those rules, against 15 s and 3 GiB.
// Each contest is checked three times; the fastest run counts.
// Usage: crosscheck-bench [WORK_FOLDER [--script-everywhere | --multipliers |
// --biggest]] (default folder: the system's temporary folder).
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/crosscheck/synthetic_contest.h"

extern char** environ;

namespace {

constexpr int kLinesPerLog = 200;
constexpr double kBaseBudgetMiB = 50;
constexpr double kBytesPerLine = 300;
constexpr int kRuns = 3;
constexpr int kBiggestLogs = 10000;
constexpr int kBiggestLines = 8000000;
constexpr double kBiggestBudgetMiB = 3 * 1024;

// A DX contest's rules on the synthetic logs: the worked station's country
// and CQ zone from the country file, each once per band.
constexpr char kDxDefinition[] =
    "[Contest]\nName=BENCH-DX\nBands=80m,40m,20m,15m,10m\nModes=CW\nExchange=fixed\n"
    "Dupes=hours:4\nRelationPoints=same-country=1,same-continent=2,other-continent=3\n"
    "Multipliers=country per band,cq-zone per band\n";

struct Run {
  double seconds = 0;
  double peakMiB = 0;
  int exitCode = -1;
};

// Runs a program as a child (spawned, so it starts with none of this
// process's memory) and takes its time and its own peak resident size.
Run runChild(std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  auto start = std::chrono::steady_clock::now();
  pid_t child;
  Run run;
  if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return run;
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.peakMiB = usage.ru_maxrss / 1024.0;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// `rules`: arguments naming the contest's definition; none: the built-in one.
Run runChecker(const std::string& logs, const std::string& out,
               const std::vector<std::string>& rules) {
  std::vector<std::string> arguments = {ZVK_SCORE_PROGRAM, "crosscheck", logs, "--out", out};
  arguments.insert(arguments.end(), rules.begin(), rules.end());
  return runChild(arguments);
}

// Written by a forked child, so that this process stays small: a spawned
// child shares its memory until it starts the program, and would count it.
std::string writeContest(int logs, int lines, const std::string& dir) {
  std::filesystem::create_directories(dir);
  pid_t child = fork();
  if (child == 0) {
    synthetic::randomContest(logs, lines, 11).write(dir);
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return dir;
}

// The fastest of kRuns runs: the machine is shared, and the slower runs
// measure the others' load. The peak is the largest of them.
Run measure(int lines, const std::string& logs, const std::string& work,
            const std::vector<std::string>& rules = {}, double budget = 0) {
  const std::string out = work + "/out-" + std::to_string(lines) + (rules.empty() ? "" : "-dx");
  Run run = runChecker(logs, out, rules);
  for (int again = 1; again < kRuns; ++again) {
    Run next = runChecker(logs, out + "-" + std::to_string(again), rules);
    run.peakMiB = std::max(run.peakMiB, next.peakMiB);
    if (next.seconds < run.seconds) run.seconds = next.seconds;
    run.exitCode = std::max(run.exitCode, next.exitCode);
  }
  if (budget == 0) budget = kBaseBudgetMiB + kBytesPerLine * lines / (1024.0 * 1024.0);
  std::printf("%8d lines%s: %6.2f s  %5.2f us/line  peak %6.1f MiB (budget %5.1f)  exit %d\n",
              lines, rules.empty() ? "" : " countries and zones", run.seconds,
              run.seconds * 1e6 / lines, run.peakMiB, budget, run.exitCode);
  std::fflush(stdout);
  return run;
}

void compareWithScript(int lines, const std::string& logs, const Run& checker) {
  Run script = runChild({"python3", ZVK_NAIVE_SCRIPT, logs});
  std::printf("%8d lines: plain script %.2f s, crosscheck %.2f s: %.0fx faster (script exit %d)\n",
              lines, script.seconds, checker.seconds, script.seconds / checker.seconds,
              script.exitCode);
}

// The definition of kDxDefinition, written to the work folder, and the
// system's country file.
std::vector<std::string> dxRules(const std::string& work) {
  const std::string file = work + "/bench-dx.ini";
  if (FILE* out = std::fopen(file.c_str(), "w")) {
    std::fputs(kDxDefinition, out);
    std::fclose(out);
  }
  return {"--contest", file};
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path base =
      argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
  const std::string mode = argc > 2 ? argv[2] : "";
  const std::string work = (base / ("crosscheck-bench-" + std::to_string(getpid()))).string();
  std::filesystem::create_directories(work);
  if (mode == "--biggest") {
    const std::string logs = writeContest(kBiggestLogs, kBiggestLines, work + "/logs-biggest");
    measure(kBiggestLines, logs, work, dxRules(work), kBiggestBudgetMiB);
    std::filesystem::remove_all(work);
    return 0;
  }
  for (int lines : {100000, 1000000}) {
    const std::string logs =
        writeContest(lines / kLinesPerLog, lines, work + "/logs-" + std::to_string(lines));
    Run run = measure(lines, logs, work);
    if (lines == 100000 || mode == "--script-everywhere") compareWithScript(lines, logs, run);
    if (lines == 1000000 && mode == "--multipliers") measure(lines, logs, work, dxRules(work));
  }
  std::filesystem::remove_all(work);
  return 0;
}
