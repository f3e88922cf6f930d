#ifndef ZVK_PAGES_CONTEST_PAGES_H_
#define ZVK_PAGES_CONTEST_PAGES_H_

#include <string>

#include "crosscheck/results.h"

namespace pages {

// "entrants/Q1ZVK_P.html" for Q1ZVK/P: the entrant's page below the
// cross-check's folder, named as its report is.
std::string entrantPagePath(const crosscheck::Entrant& entrant);

// The results by category, each call linking to its entrant's page.
std::string contestIndexPage(const crosscheck::Results& results);
// One entrant's check report with the rate chart of his log and his QSOs
// confirmed per band.
std::string entrantPage(const crosscheck::Results& results, std::size_t entrant);

// Writes `dir`/index.html and `dir`/entrants/<CALL>.html for every entrant
// (into the cross-check's folder while it is being filled). Throws
// crosscheck::OutputError naming the file that cannot be written.
void writeContestPages(const crosscheck::Results& results, const std::string& dir);

}  // namespace pages

#endif  // ZVK_PAGES_CONTEST_PAGES_H_
