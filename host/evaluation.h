#ifndef ZVK_HOST_EVALUATION_H_
#define ZVK_HOST_EVALUATION_H_

#include <string>
#include <vector>

#include "host/plugin_library.h"
#include "import/qso.h"

namespace host {

// What the statistics reset is given.
struct ContestSetup {
  std::string contestant;
  COleDateTime start;
  COleDateTime end;
  bool cabrillo = false;
};

// Resets the statistics and hands over every QSO of `logs` in file order.
void loadLogs(PluginLibrary& plugin, const ContestSetup& setup,
              const std::vector<imports::ImportedLog>& logs);

struct Evaluation {
  std::string summary;  // as the plug-in returns it
  std::string ubnFile;
  std::vector<std::string> filesWritten;  // in the working folder
};

// A whole evaluation: reset, every QSO, result.
Evaluation evaluate(PluginLibrary& plugin, const ContestSetup& setup,
                    const std::vector<imports::ImportedLog>& logs);

}  // namespace host

#endif  // ZVK_HOST_EVALUATION_H_
