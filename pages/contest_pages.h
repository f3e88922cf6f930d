#ifndef ZVK_PAGES_CONTEST_PAGES_H_
#define ZVK_PAGES_CONTEST_PAGES_H_

#include <string>

#include "crosscheck/entrant_report.h"
#include "crosscheck/results.h"
#include "crosscheck/write_results.h"

namespace pages {

// "entrants/Q1ZVK_P.html" for Q1ZVK/P: the entrant's page below the
// cross-check's folder, named as its report is.
std::string entrantPagePath(const crosscheck::Entrant& entrant);

// The results by category, each call linking to its entrant's page.
std::string contestIndexPage(const crosscheck::Results& results);
// One entrant's check report with the rate chart of his log and his QSOs
// confirmed per band.
std::string entrantPage(const crosscheck::Results& results, std::size_t entrant,
                        const crosscheck::EntrantReport& report);

// The pages as the cross-check's folder takes them while it is being
// filled: index.html, then entrants/<CALL>.html for each entrant. Writing
// throws errors::ToolError naming the file that cannot be written.
crosscheck::FolderAdditions contestPages(const crosscheck::Results& results);

}  // namespace pages

#endif  // ZVK_PAGES_CONTEST_PAGES_H_
