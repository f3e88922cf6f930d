#ifndef ZVK_CLI_LOG_PAGE_FILE_H_
#define ZVK_CLI_LOG_PAGE_FILE_H_

#include <string>
#include <vector>

#include "cli/evaluation.h"
#include "cli/summary_text.h"

namespace cli {

// Writes the page of the evaluated logs to `path`: the plug-in's `summary`
// and UBN file text, the station from the first Cabrillo header (else the
// settings file in the working folder), the QSOs per hour and the score as
// it grew. Throws std::runtime_error when the page cannot be made or written.
void writeLogPageFile(const std::string& path, PluginLibrary& plugin, const ContestSetup& setup,
                      const std::vector<ImportedLog>& logs, const Summary& summary,
                      const std::string& ubnText);

}  // namespace cli

#endif  // ZVK_CLI_LOG_PAGE_FILE_H_
