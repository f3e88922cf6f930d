#ifndef ZVK_PAGES_CONTEST_PAGES_H_
#define ZVK_PAGES_CONTEST_PAGES_H_

#include <string>

#include "crosscheck/results.h"
#include "crosscheck/write_results.h"

namespace pages {

// "entrants/Q1ZVK_P.html" for Q1ZVK/P: the entrant's page below the
// cross-check's folder, named as its report is.
std::string entrantPagePath(const crosscheck::Entrant& entrant);

// The pages as the cross-check's folder takes them while it is being
// filled: index.html, then entrants/<CALL>.html for each entrant. Writing
// throws crosscheck::OutputError naming the file that cannot be written.
crosscheck::FolderAdditions contestPages(const crosscheck::Results& results);

}  // namespace pages

#endif  // ZVK_PAGES_CONTEST_PAGES_H_
