#ifndef ZVK_IMPORT_CABRILLO_CATEGORIES_H_
#define ZVK_IMPORT_CABRILLO_CATEGORIES_H_

#include <string>
#include <string_view>
#include <vector>

#include "import/qso.h"

namespace imports {

// One category field of a Cabrillo header and the values it may take.
struct CategoryField {
  std::string tag;  // "CATEGORY-OPERATOR"
  std::vector<std::string> values;
};

// The Cabrillo 3.0 category fields, in the order a header gives them, each
// with every value the format names.
const std::vector<CategoryField>& cabrilloCategories();

// The words of a category value, upper case: "single-op  all" is SINGLE-OP, ALL.
std::vector<std::string> categoryWords(std::string_view text);

// The 3.0 fields the 2.0 line "CATEGORY: SINGLE-OP-ASSISTED ALL HIGH" says,
// word by word ("SINGLE-OP-ASSISTED" is an operator and an assisted value);
// a word no field takes is kept as the 2.0 line's, to be refused by whoever
// checks the categories.
std::vector<HeaderValue> categoriesOfOldLine(std::string_view value, int line);

}  // namespace imports

#endif  // ZVK_IMPORT_CABRILLO_CATEGORIES_H_
