#include "import/qso_tokens.h"

namespace imports {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

// Asked of several tokens of every QSO line: stops at the first letter and digit.
bool looksLikeCall(std::string_view token) {
  if (token.size() < 3) return false;
  bool letter = false;
  bool digit = false;
  for (std::size_t i = 0; i < token.size() && !(letter && digit); ++i) {
    letter = letter || isLetter(token[i]);
    digit = digit || isDigit(token[i]);
  }
  return letter && digit;
}

bool looksLikeReport(std::string_view token) {
  if (token.size() < 2 || token.size() > 3) return false;
  if (token[0] < '1' || token[0] > '5') return false;
  for (std::size_t i = 1; i < token.size(); ++i) {
    if (token[i] < '1' || token[i] > '9') return false;
  }
  return true;
}

bool isTransmitterId(std::string_view token) { return token == "0" || token == "1"; }

}  // namespace imports
