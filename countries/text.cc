#include "countries/text.h"

#include <cctype>

namespace countries {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

}  // namespace

std::string_view trimmed(std::string_view text) {
  size_t begin = text.find_first_not_of(kBlanks);
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(kBlanks) - begin + 1);
}

std::string upperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

}  // namespace countries
