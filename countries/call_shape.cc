#include "countries/call_shape.h"

#include <algorithm>

#include "countries/portable_call.h"

namespace countries {
namespace {

constexpr std::size_t kMostParts = 3;  // prefix/call/mark
constexpr std::size_t kLongestPart = 12;
constexpr std::size_t kLongestPrefix = 3;
constexpr std::size_t kMostAreaDigits = 4;

bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetterOrDigit(char c) { return isLetter(c) || isDigit(c); }

std::optional<std::string> partsProblem(std::string_view call) {
  if (!std::all_of(call.begin(), call.end(),
                   [](char c) { return isLetterOrDigit(c) || c == '/'; })) {
    return std::string("holds characters other than letters, digits and /");
  }
  std::size_t parts = 0;
  for (std::size_t start = 0; start <= call.size(); ++parts) {
    const std::size_t end = std::min(call.find('/', start), call.size());
    if (end == start || end - start > kLongestPart) {
      return std::string("has an empty or overlong part between slashes");
    }
    start = end + 1;
  }
  if (parts > kMostParts) return std::string("has more than two slashes");
  return std::nullopt;
}

// Letters at the end, digits before them, a prefix with a letter before those.
bool isLicensedCall(std::string_view home) {
  std::size_t end = home.size();
  while (end > 0 && isLetter(home[end - 1])) --end;
  const std::size_t suffixStart = end;
  while (end > 0 && isDigit(home[end - 1])) --end;
  const std::size_t digits = suffixStart - end;
  const std::string_view prefix = home.substr(0, end);
  return suffixStart < home.size() && digits >= 1 && digits <= kMostAreaDigits && !prefix.empty() &&
         prefix.size() <= kLongestPrefix && std::any_of(prefix.begin(), prefix.end(), isLetter);
}

}  // namespace

std::optional<std::string> callShapeProblem(std::string_view call) {
  if (std::optional<std::string> problem = partsProblem(call)) return problem;
  if (!isLicensedCall(splitPortable(call).home)) {
    return std::string(
        "has no licensed call (a prefix, a digit, then letters, such as G3ABC) among its parts");
  }
  return std::nullopt;
}

}  // namespace countries
