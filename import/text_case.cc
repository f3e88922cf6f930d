#include "import/text_case.h"

namespace imports {
namespace {

char upperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char lowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string toUpper(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = upperChar(c);
  return result;
}

std::string_view toUpperInto(std::string_view text, char* out) {
  for (std::size_t i = 0; i < text.size(); ++i) out[i] = upperChar(text[i]);
  return {out, text.size()};
}

std::string toLower(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = lowerChar(c);
  return result;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (upperChar(text[i]) != upperChar(prefix[i])) return false;
  }
  return true;
}

}  // namespace imports
