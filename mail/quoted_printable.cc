#include "mail/quoted_printable.h"

#include <algorithm>
#include <cctype>

namespace mail {
namespace {

constexpr std::size_t kLongestLine = 76;
constexpr char kHex[] = "0123456789ABCDEF";

bool isPlain(unsigned char c) { return c >= ' ' && c <= '~'; }

std::string escaped(unsigned char c) { return {'=', kHex[c >> 4], kHex[c & 0xF]}; }

// One line without its end: a blank before the end is escaped, as relays
// may drop it; a soft break ("=") keeps each piece within the limit.
std::string encodeLine(std::string_view line) {
  std::string out;
  std::size_t width = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    const bool last = i + 1 == line.size();
    const bool keep = isPlain(c) && c != '=' && !(last && c == ' ');
    std::string piece = keep ? std::string(1, line[i]) : escaped(c);
    // Room for the soft break's "=" unless this is the line's last piece.
    if (width + piece.size() + (last ? 0 : 1) > kLongestLine) {
      out += "=\r\n";
      width = 0;
    }
    out += piece;
    width += piece.size();
  }
  return out;
}

}  // namespace

std::string quotedPrintable(std::string_view text) {
  std::string out;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out += encodeLine(line) + "\r\n";
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return out;
}

std::string headerText(std::string_view text) {
  auto plain = [](char c) { return isPlain(static_cast<unsigned char>(c)); };
  if (std::all_of(text.begin(), text.end(), plain)) return std::string(text);
  std::string word = "=?UTF-8?Q?";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) && byte < 0x80) {
      word += c;
    } else {
      word += c == ' ' ? std::string("_") : escaped(byte);
    }
  }
  return word + "?=";
}

}  // namespace mail
