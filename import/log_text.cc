#include "import/log_text.h"

#include <algorithm>

namespace imports {

std::size_t utf8Length(std::string_view text, std::size_t at) {
  unsigned char lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return 1;
  std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                       : lead >= 0xE0                 ? 3
                       : lead >= 0xC2 && lead <= 0xDF ? 2
                                                      : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string validUtf8(std::string_view text) {
  // Calls and exchanges are mostly plain ASCII: taken whole.
  if (isAscii(text)) return std::string(text);
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (std::size_t length = utf8Length(text, i)) {
      out.append(text.substr(i, length));
      i += length;
    } else {
      unsigned char latin1 = static_cast<unsigned char>(text[i++]);
      out += static_cast<char>(0xC0 | latin1 >> 6);
      out += static_cast<char>(0x80 | (latin1 & 0x3F));
    }
  }
  return out;
}

}  // namespace imports
