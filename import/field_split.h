#ifndef ZVK_IMPORT_FIELD_SPLIT_H_
#define ZVK_IMPORT_FIELD_SPLIT_H_

#include <string_view>
#include <vector>

#include "import/cabrillo_stations.h"

namespace imports {

// Splits the tokens after a QSO line's time by the contest's list of
// fields, each half its call and then one token per field. The halves are
// found by their calls, so a line with a field left out still puts every
// token in its own half: the worked call is a call-like token (never a
// number, never `ownCall`) within a full half of the own call. A half short
// of a field skips a report it does not hold and marks each exchange field
// it lacks, from the end, with kMissingField.
StationPair splitByFields(const std::vector<std::string_view>& tokens,
                          const std::vector<FieldRole>& fields, std::string_view ownCall);
// Whether an exchange, its fields separated by blanks, lacks one.
bool lacksField(std::string_view exchange);

}  // namespace imports

#endif  // ZVK_IMPORT_FIELD_SPLIT_H_
