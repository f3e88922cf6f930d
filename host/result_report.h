#ifndef ZVK_HOST_RESULT_REPORT_H_
#define ZVK_HOST_RESULT_REPORT_H_

#include <string>
#include <vector>

#include "host/summary_text.h"
#include "host/ubn_lines.h"

namespace host {

// The summary text as the plug-in returned it, then the files written, each
// named under `outDir`.
std::string textReport(const std::string& summary, const std::string& ubnFile,
                       const std::vector<std::string>& filesWritten, const std::string& outDir);

// The result as one JSON object: the summary's values, the UBN lines by
// reason and the files written.
std::string jsonReport(const Summary& summary, const std::string& ubnFile,
                       const std::vector<UbnGroup>& ubnGroups,
                       const std::vector<std::string>& filesWritten, const std::string& outDir);

}  // namespace host

#endif  // ZVK_HOST_RESULT_REPORT_H_
