// zvk-bench: runs the benchmarks in a scratch directory (the plug-in writes
// its statistics and settings files into the current directory), then prints
// the comparison with the whole-log scans.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "bench/comparison_reporter.h"

namespace {

// A fresh temporary directory that is the current one while it lives.
class ScratchDirectory {
 public:
  ScratchDirectory() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "zvk-bench-XXXXXX").string();
    if (!mkdtemp(&pattern[0])) return;
    path_ = pattern;
    std::error_code failed;
    std::filesystem::current_path(path_, failed);
    entered_ = !failed;
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  bool entered() const { return entered_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
  bool entered_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ScratchDirectory scratch;
  if (!scratch.entered()) {
    std::cerr << "zvk-bench: cannot create a scratch directory\n";
    return 1;
  }
  // The Cabrillo header dialog of a reset is accepted as shown, never asked.
  setenv("STATS_DIALOG", "ok", 1);
  ComparisonReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printComparison(std::cout);
  benchmark::Shutdown();
  return 0;
}
