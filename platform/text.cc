#include "platform/text.h"

#include <cstring>

namespace platform {
namespace {

const char* orEmpty(const char* text) { return text ? text : ""; }

unsigned char foldAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

}  // namespace

int compareExact(const char* a, const char* b) { return std::strcmp(orEmpty(a), orEmpty(b)); }

bool equalExact(const char* a, const char* b) { return compareExact(a, b) == 0; }

int compareNoCase(const char* a, const char* b) {
  auto* left = reinterpret_cast<const unsigned char*>(orEmpty(a));
  auto* right = reinterpret_cast<const unsigned char*>(orEmpty(b));
  bool trailByte = false;  // the byte after a lead byte is never folded
  for (;; ++left, ++right) {
    unsigned char l = trailByte ? *left : foldAscii(*left);
    unsigned char r = trailByte ? *right : foldAscii(*right);
    if (l != r) return l < r ? -1 : 1;
    if (l == 0) return 0;
    trailByte = !trailByte && isLeadByte(*left);
  }
}

bool equalNoCase(const char* a, const char* b) { return compareNoCase(a, b) == 0; }

const char* findText(const char* haystack, const char* needle) {
  haystack = orEmpty(haystack);
  needle = orEmpty(needle);
  std::size_t needleLength = std::strlen(needle);
  for (const char* p = haystack;; ++p) {
    if (std::strncmp(p, needle, needleLength) == 0) return p;
    if (*p == '\0') return nullptr;
    if (isLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') ++p;
  }
}

std::size_t prefixLengthAtCharBoundary(const char* text, std::size_t maxBytes) {
  text = orEmpty(text);
  std::size_t length = 0;
  while (text[length] != '\0') {
    std::size_t unit =
        (isLeadByte(static_cast<unsigned char>(text[length])) && text[length + 1] != '\0') ? 2 : 1;
    if (length + unit > maxBytes) break;
    length += unit;
  }
  return length;
}

std::string onOneLine(const char* text) {
  std::string line(orEmpty(text));
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line;
}

}  // namespace platform
