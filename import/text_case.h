#ifndef ZVK_IMPORT_TEXT_CASE_H_
#define ZVK_IMPORT_TEXT_CASE_H_

#include <string>
#include <string_view>

namespace imports {

// ASCII letters only: log texts are 8-bit texts of any code page.
std::string toUpper(std::string_view text);
// The same into `out`, which has room for text.size() chars: for short
// texts taken a million times, without a string of their own.
std::string_view toUpperInto(std::string_view text, char* out);
std::string toLower(std::string_view text);
bool startsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace imports

#endif  // ZVK_IMPORT_TEXT_CASE_H_
