#ifndef ZVK_BENCH_COMPARISON_REPORTER_H_
#define ZVK_BENCH_COMPARISON_REPORTER_H_

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

// The console report, followed by a table that sets each plug-in figure
// beside its whole-log scan reference and checks the speed and memory targets.
class ComparisonReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void printComparison(std::ostream& out) const;

 private:
  // Counter `name` of the run "function/args", or a negative value when it did not run.
  double figure(const std::string& run, const char* name) const;
  void printRow(std::ostream& out, const char* operation, const std::string& plugin,
                const std::string& reference, const char* counter, long n) const;
  void printTargets(std::ostream& out) const;

  std::map<std::string, std::map<std::string, double>> counters_;
};

#endif  // ZVK_BENCH_COMPARISON_REPORTER_H_
