#ifndef ZVK_PAGES_MULTIPLIER_SECTION_H_
#define ZVK_PAGES_MULTIPLIER_SECTION_H_

#include "crosscheck/entrant_report.h"
#include "pages/html_writer.h"

namespace pages {

// An entrant's multipliers: their count by band and mode, and each with the
// QSO that gave it. Nothing for a contest without multipliers.
void writeMultipliers(HtmlWriter& html, const crosscheck::EntrantReport& report);

}  // namespace pages

#endif  // ZVK_PAGES_MULTIPLIER_SECTION_H_
