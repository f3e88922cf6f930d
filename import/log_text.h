#ifndef ZVK_IMPORT_LOG_TEXT_H_
#define ZVK_IMPORT_LOG_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>

// The logs' 8-bit texts: loggers write UTF-8, or Latin-1, or a Windows code
// page that agrees with Latin-1 on its letters. One rule for every output:
// valid UTF-8 passes as it is, any other byte is taken as Latin-1.
namespace imports {

// Length of the UTF-8 character at `at`: 1 for ASCII, 2 to 4 for a valid
// sequence, 0 for a byte that starts none.
std::size_t utf8Length(std::string_view text, std::size_t at);

// Plain ASCII, which the rule above keeps as it is.
bool isAscii(std::string_view text);

// `text` as valid UTF-8 by the rule above.
std::string validUtf8(std::string_view text);

}  // namespace imports

#endif  // ZVK_IMPORT_LOG_TEXT_H_
