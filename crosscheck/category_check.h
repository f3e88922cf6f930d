#ifndef ZVK_CROSSCHECK_CATEGORY_CHECK_H_
#define ZVK_CROSSCHECK_CATEGORY_CHECK_H_

#include <vector>

#include "import/cabrillo_categories.h"
#include "import/input_error.h"
#include "import/qso.h"

namespace crosscheck {

// Checks each category line of `log` against the values `allowed` gives its
// field: a value spelled otherwise is kept as the list spells it, an empty
// one is dropped, and one the contest does not take (or a field it does not
// know) is a problem naming the values it takes, and is left out of the log
// so that nothing is ranked by it.
void checkCategories(const std::vector<imports::CategoryField>& allowed, imports::ImportedLog* log,
                     imports::LogProblems* problems);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_CATEGORY_CHECK_H_
