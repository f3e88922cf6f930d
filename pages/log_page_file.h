#ifndef ZVK_PAGES_LOG_PAGE_FILE_H_
#define ZVK_PAGES_LOG_PAGE_FILE_H_

#include <string>
#include <vector>

#include "host/evaluation.h"
#include "host/summary_text.h"

namespace pages {

// Writes the page of the evaluated logs to `path`: the plug-in's `summary`
// and UBN file text, the station from the first Cabrillo header (else the
// settings file in the working folder), the QSOs per hour and the score as
// it grew. Throws std::runtime_error when the page cannot be made or written.
void writeLogPageFile(const std::string& path, host::PluginLibrary& plugin,
                      const host::ContestSetup& setup,
                      const std::vector<imports::ImportedLog>& logs, const host::Summary& summary,
                      const std::string& ubnText);

}  // namespace pages

#endif  // ZVK_PAGES_LOG_PAGE_FILE_H_
