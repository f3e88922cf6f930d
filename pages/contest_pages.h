#ifndef ZVK_PAGES_CONTEST_PAGES_H_
#define ZVK_PAGES_CONTEST_PAGES_H_

#include <string>

#include "crosscheck/results.h"

namespace pages {

// The folder of the entrants' pages, beside the contest's index page.
constexpr char kEntrantPagesFolder[] = "entrants";
constexpr char kContestIndexPage[] = "index.html";

// "entrants/Q1ZVK_P.html" for Q1ZVK/P: the entrant's page below the
// cross-check's folder, named as its report is.
std::string entrantPagePath(const crosscheck::Entrant& entrant);

}  // namespace pages

#endif  // ZVK_PAGES_CONTEST_PAGES_H_
