#include "cli/json_text.h"

#include <cstdio>

namespace cli {
namespace {

// Length of the valid UTF-8 sequence of two or more bytes at `at`, or 0.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
  unsigned char lead = static_cast<unsigned char>(text[at]);
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

void appendEscaped(unsigned char c, std::string* out) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04x", c);
  *out += escape;
}

}  // namespace

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
      appendEscaped(c, &out);
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (std::size_t length = utf8SequenceLength(text, i)) {
      out.append(text.substr(i, length));
      i += length - 1;
    } else {
      appendEscaped(c, &out);
    }
  }
  return out + "\"";
}

}  // namespace cli
