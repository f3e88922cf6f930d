#ifndef ZVK_PAGES_CONTEST_PAGES_H_
#define ZVK_PAGES_CONTEST_PAGES_H_

#include <string>

#include "crosscheck/entrant_report.h"
#include "crosscheck/results.h"

namespace pages {

// The folder of the entrants' pages, beside the contest's index page.
constexpr char kEntrantPagesFolder[] = "entrants";
constexpr char kContestIndexPage[] = "index.html";

// "entrants/Q1ZVK_P.html" for Q1ZVK/P: the entrant's page below the
// cross-check's folder, named as its report is.
std::string entrantPagePath(const crosscheck::Entrant& entrant);

// The results by category, each call linking to its entrant's page.
std::string contestIndexPage(const crosscheck::Results& results);
// One entrant's check report with the rate chart of his log and his QSOs
// confirmed per band.
std::string entrantPage(const crosscheck::Results& results, std::size_t entrant,
                        const crosscheck::EntrantReport& report);

}  // namespace pages

#endif  // ZVK_PAGES_CONTEST_PAGES_H_
