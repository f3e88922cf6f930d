#ifndef ZVK_CROSSCHECK_REPORT_TEXT_H_
#define ZVK_CROSSCHECK_REPORT_TEXT_H_

#include <string>

#include "crosscheck/entrant_report.h"

namespace crosscheck {

// The report as reports/<CALL>.txt holds it.
std::string reportText(const EntrantReport& report);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_REPORT_TEXT_H_
