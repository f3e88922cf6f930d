#ifndef ZVK_PUBLISH_RESULTS_FOLDER_H_
#define ZVK_PUBLISH_RESULTS_FOLDER_H_

#include <string>

#include "crosscheck/results.h"
#include "files/file_system.h"
#include "files/posix_file_system.h"

namespace publish {

// The name of an entrant's report below reports/.
std::string reportFileName(const crosscheck::Entrant& entrant);

// Writes results.json, results.csv, reports/<CALL>.txt and the pages
// index.html and entrants/<CALL>.html into `dir`, whole or not at all.
// Each entrant's report is made once and written as text and as page, by
// whichever of two threads is free. Writes through `files`; throws
// errors::ToolError.
void writeResultsFolder(const crosscheck::Results& results, const std::string& dir,
                        files::FileSystem& files = files::defaultFileSystem());

}  // namespace publish

#endif  // ZVK_PUBLISH_RESULTS_FOLDER_H_
