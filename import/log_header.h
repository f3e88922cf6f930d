#ifndef ZVK_IMPORT_LOG_HEADER_H_
#define ZVK_IMPORT_LOG_HEADER_H_

#include <string>
#include <string_view>

#include "import/qso.h"

namespace imports {

// Takes the header line `tag` (upper case): `value` from line `line` into
// `log`, as the own call, a category, the claimed score or another line.
void addHeaderLine(const std::string& tag, std::string_view value, int line, ImportedLog* log);

// An ADIF log has no header lines of its own: the robot writes the header's
// corrections into it as application fields, APP_ZVK_CATEGORY_OPERATOR for
// CATEGORY-OPERATOR.
std::string adifHeaderField(const std::string& tag);
// The header line an ADIF header field (upper case) stands for; empty for
// any other field.
std::string tagOfAdifHeaderField(const std::string& name);

}  // namespace imports

#endif  // ZVK_IMPORT_LOG_HEADER_H_
