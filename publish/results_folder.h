#ifndef ZVK_PUBLISH_RESULTS_FOLDER_H_
#define ZVK_PUBLISH_RESULTS_FOLDER_H_

#include <string>

#include "crosscheck/results.h"

namespace publish {

// The name of an entrant's report below reports/.
std::string reportFileName(const crosscheck::Entrant& entrant);

// Writes results.json, results.csv, reports/<CALL>.txt and the pages
// index.html and entrants/<CALL>.html into `dir`, whole or not at all.
// Each entrant's report is made once and written as text and as page, by
// whichever of two threads is free. Throws crosscheck::OutputError.
void writeResultsFolder(const crosscheck::Results& results, const std::string& dir);

}  // namespace publish

#endif  // ZVK_PUBLISH_RESULTS_FOLDER_H_
