#ifndef ZVK_CROSSCHECK_WRITE_RESULTS_H_
#define ZVK_CROSSCHECK_WRITE_RESULTS_H_

#include <functional>
#include <string>

#include "crosscheck/results.h"

namespace crosscheck {

// The name of an entrant's report below reports/.
std::string reportFileName(const Entrant& entrant);

// Writes more files into the folder being made, such as the pages.
using FolderWriter = std::function<void(const std::string& folder)>;

// Writes results.json, results.csv, reports/<CALL>.txt and what `alsoWrite`
// writes into `dir`, whole or not at all. Throws OutputError.
void writeResults(const Results& results, const std::string& dir, const FolderWriter& alsoWrite);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_WRITE_RESULTS_H_
