#ifndef ZVK_CLI_EVALUATION_H_
#define ZVK_CLI_EVALUATION_H_

#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/plugin_library.h"
#include "cli/qso.h"

namespace cli {

// What the statistics reset is given.
struct ContestSetup {
  std::string contestant;
  COleDateTime start;
  COleDateTime end;
  bool cabrillo = false;
};

// The contestant (--call, else the first log's own call) and the period
// (--from/--to, else the first and last QSO times). Throws UsageError when
// the logs name neither.
ContestSetup contestSetup(const Options& options, const std::vector<ImportedLog>& logs);

// Resets the statistics and hands over every QSO of `logs` in file order.
void loadLogs(PluginLibrary& plugin, const ContestSetup& setup,
              const std::vector<ImportedLog>& logs);

struct Evaluation {
  std::string summary;  // as the plug-in returns it
  std::string ubnFile;
  std::vector<std::string> filesWritten;  // in the working folder
};

// A whole evaluation: reset, every QSO, result.
Evaluation evaluate(PluginLibrary& plugin, const ContestSetup& setup,
                    const std::vector<ImportedLog>& logs);

}  // namespace cli

#endif  // ZVK_CLI_EVALUATION_H_
