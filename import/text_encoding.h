#ifndef ZVK_IMPORT_TEXT_ENCODING_H_
#define ZVK_IMPORT_TEXT_ENCODING_H_

#include <optional>
#include <string>
#include <string_view>

// Log files as loggers save them, read as UTF-8.
namespace imports {

// A text that starts with a UTF-16 byte-order mark, as UTF-8 without the
// mark; nothing for any other text. Throws errors::ToolError naming `fileName` for
// a text that is not valid UTF-16 after its mark.
std::optional<std::string> utf8FromUtf16(std::string_view text, const std::string& fileName);

// An 8-bit text that is not valid UTF-8, as UTF-8; nothing for a valid one.
// The code page is guessed: Windows-1251 when non-ASCII letters come in runs,
// as Cyrillic words do, else Windows-1252, else ISO-8859-1, which takes any byte.
std::optional<std::string> utf8FromEightBit(std::string_view text);

}  // namespace imports

#endif  // ZVK_IMPORT_TEXT_ENCODING_H_
