#include "bench/comparison_reporter.h"

#include <cstdio>

namespace {

const long kSizes[] = {1000, 10000, 100000};
constexpr long kLargest = 100000;
constexpr long kSmallest = 1000;

std::string runName(const char* function, long n, const char* more = "") {
  return std::string(function) + "/N:" + std::to_string(n) + more;
}

std::string number(double value, const char* format = "%.1f") {
  if (value < 0) return "-";
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string quotient(double numerator, double denominator) {
  return numerator < 0 || denominator <= 0 ? "-" : number(numerator / denominator);
}

}  // namespace

void ComparisonReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
    auto& counters = counters_[run.run_name.function_name + "/" + run.run_name.args];
    for (const auto& [name, counter] : run.counters) counters[name] = counter.value;
    for (auto& [name, value] : counters) {
      if (name.rfind("time_", 0) == 0) value *= 1e9;  // the table shows nanoseconds
    }
  }
  ConsoleReporter::ReportRuns(runs);
}

double ComparisonReporter::figure(const std::string& run, const char* name) const {
  auto counters = counters_.find(run);
  if (counters == counters_.end()) return -1;
  auto value = counters->second.find(name);
  return value == counters->second.end() ? -1 : value->second;
}

void ComparisonReporter::printRow(std::ostream& out, const char* operation,
                                  const std::string& plugin, const std::string& reference,
                                  const char* counter, long n) const {
  const double pluginFigure = figure(plugin, counter);
  if (pluginFigure < 0) return;
  const double referenceFigure = reference.empty() ? -1 : figure(reference, counter);
  char line[160];
  std::snprintf(line, sizeof line, "| %-22s | %7ld | %12s | %12s | %8s | %9s |\n", operation, n,
                number(pluginFigure).c_str(), number(referenceFigure).c_str(),
                quotient(referenceFigure, pluginFigure).c_str(),
                number(figure(plugin, "bytes_per_qso"), "%.0f").c_str());
  out << line;
}

void ComparisonReporter::printComparison(std::ostream& out) const {
  out << "\nPlug-in beside the whole-log scans (ns per QSO for a rebuild, ns per call"
         " otherwise)\n\n"
         "| operation              |       N |      plug-in |    reference |    ratio | bytes/QSO "
         "|\n"
         "|------------------------|--------:|-------------:|-------------:|---------:|----------:"
         "|\n";
  for (long n : kSizes)
    printRow(out, "rebuild", runName("BM_Rebuild", n), runName("BM_RebuildScan", n), "time_per_qso",
             n);
  for (long n : kSizes)
    printRow(out, "CheckCall0, in log", runName("BM_CheckCall", n, "/in_log:1"), "",
             "time_per_call", n);
  for (long n : kSizes)
    printRow(out, "CheckCall0, not in log", runName("BM_CheckCall", n, "/in_log:0"), "",
             "time_per_call", n);
  for (long n : kSizes)
    printRow(out, "RemoveData0", runName("BM_Remove", n), runName("BM_RemoveScan", n),
             "time_per_call", n);
  printRow(out, "GetResult0, Cabrillo on", runName("BM_ResultCabrillo", kLargest), "",
           "time_per_call", kLargest);
  printTargets(out);
}

void ComparisonReporter::printTargets(std::ostream& out) const {
  auto at = [&](const char* function, long n, const char* counter, const char* more = "") {
    return figure(runName(function, n, more), counter);
  };
  out << "\nTargets\n"
      << "  rebuild, ns per QSO at 100 000 / at 1 000 (at most 2):           "
      << quotient(at("BM_Rebuild", kLargest, "time_per_qso"),
                  at("BM_Rebuild", kSmallest, "time_per_qso"))
      << "\n  rebuild at 100 000, reference / plug-in (at least 50):          "
      << quotient(at("BM_RebuildScan", kLargest, "time_per_qso"),
                  at("BM_Rebuild", kLargest, "time_per_qso"))
      << "\n  CheckCall0 in log, ns per call at 100 000 / at 1 000 (at most 2):  "
      << quotient(at("BM_CheckCall", kLargest, "time_per_call", "/in_log:1"),
                  at("BM_CheckCall", kSmallest, "time_per_call", "/in_log:1"))
      << "\n  CheckCall0 not in log, at 100 000 / at 1 000 (at most 2):       "
      << quotient(at("BM_CheckCall", kLargest, "time_per_call", "/in_log:0"),
                  at("BM_CheckCall", kSmallest, "time_per_call", "/in_log:0"))
      << "\n  RemoveData0 at 100 000, reference / plug-in (at least 20):      "
      << quotient(at("BM_RemoveScan", kLargest, "time_per_call"),
                  at("BM_Remove", kLargest, "time_per_call"))
      << "\n  bytes per stored QSO at 100 000 (at most 512):                 "
      << number(at("BM_Rebuild", kLargest, "bytes_per_qso"), "%.0f") << "\n";
}
