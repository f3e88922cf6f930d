#ifndef ZVK_PLATFORM_TEXT_H_
#define ZVK_PLATFORM_TEXT_H_

#include <cstddef>
#include <string>

// Text comparisons of the active multibyte code page. A double-byte character
// counts as one unit: a match never starts on its trail byte and case folding
// never touches it. Null pointers count as empty texts.
namespace platform {

// True when `c` starts a double-byte character in the active code page.
bool isLeadByte(unsigned char c);

// Byte-for-byte order, as strcmp: <0, 0 or >0.
int compareExact(const char* a, const char* b);
bool equalExact(const char* a, const char* b);
// ASCII letters fold; other bytes compare as they are.
int compareNoCase(const char* a, const char* b);
bool equalNoCase(const char* a, const char* b);
// Start of the first occurrence of `needle` in `haystack`, or nullptr.
const char* findText(const char* haystack, const char* needle);
// Length of the longest prefix of `text` that is at most `maxBytes` long and
// does not end inside a double-byte character.
std::size_t prefixLengthAtCharBoundary(const char* text, std::size_t maxBytes);
// `text` with every CR and LF written as a blank, so that a text put into one
// line of a file never splits it (neither byte is ever part of a double-byte
// character).
std::string onOneLine(const char* text);

}  // namespace platform

#endif  // ZVK_PLATFORM_TEXT_H_
