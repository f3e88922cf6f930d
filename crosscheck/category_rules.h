#ifndef ZVK_CROSSCHECK_CATEGORY_RULES_H_
#define ZVK_CROSSCHECK_CATEGORY_RULES_H_

#include <optional>
#include <string_view>
#include <vector>

#include "import/cabrillo_categories.h"

namespace crosscheck {

// Categories=: "operator:SINGLE-OP MULTI-ONE CHECKLOG,power:HIGH QRP", each
// field a Cabrillo category field named without "CATEGORY-" (case ignored),
// given once, with its values separated by blanks (kept upper case).
std::optional<std::vector<imports::CategoryField>> parseCategoryLists(std::string_view text);

// The values each Cabrillo category field takes in a contest: the contest's
// own list where `own` gives one, else the format's.
std::vector<imports::CategoryField> allowedCategories(
    const std::vector<imports::CategoryField>& own);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_CATEGORY_RULES_H_
