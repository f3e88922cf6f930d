#ifndef ZVK_PAGES_CONTEST_INDEX_H_
#define ZVK_PAGES_CONTEST_INDEX_H_

#include <string>

#include "crosscheck/results.h"

namespace pages {

// The results by category, each call linking to its entrant's page.
std::string contestIndexPage(const crosscheck::Results& results);

}  // namespace pages

#endif  // ZVK_PAGES_CONTEST_INDEX_H_
