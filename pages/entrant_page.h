#ifndef ZVK_PAGES_ENTRANT_PAGE_H_
#define ZVK_PAGES_ENTRANT_PAGE_H_

#include <cstddef>
#include <string>

#include "crosscheck/entrant_report.h"
#include "crosscheck/results.h"

namespace pages {

// One entrant's check report with the rate chart of his log and his QSOs
// confirmed per band.
std::string entrantPage(const crosscheck::Results& results, std::size_t entrant,
                        const crosscheck::EntrantReport& report);

}  // namespace pages

#endif  // ZVK_PAGES_ENTRANT_PAGE_H_
