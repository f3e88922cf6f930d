#ifndef ZVK_CROSSCHECK_WRITE_RESULTS_H_
#define ZVK_CROSSCHECK_WRITE_RESULTS_H_

#include <functional>
#include <string>

#include "crosscheck/entrant_report.h"
#include "crosscheck/results.h"
#include "files/file_system.h"
#include "files/posix_file_system.h"

namespace crosscheck {

// The name of an entrant's report below reports/.
std::string reportFileName(const Entrant& entrant);

// More files for the folder being made, such as the pages: those of the
// contest as a whole, written first, then each entrant's, written beside
// his report from the same report data, on either of two threads and in
// any order.
struct FolderAdditions {
  std::function<void(const std::string& folder)> whole;
  std::function<void(const std::string& folder, std::size_t entrant, const EntrantReport& report)>
      perEntrant;
};

// Writes results.json, results.csv, reports/<CALL>.txt and the additions
// into `dir` through `files`, whole or not at all. Throws errors::ToolError.
void writeResults(const Results& results, const std::string& dir, const FolderAdditions& also,
                  files::FileSystem& files = files::defaultFileSystem());

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_WRITE_RESULTS_H_
