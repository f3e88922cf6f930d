#include "countries/portable_call.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace countries {

namespace {

// Marks that say how a station operates, never where: they are no prefix.
constexpr std::array<std::string_view, 5> kOperatingMarks = {"QRP", "QRPP", "AG", "AE", "KT"};
constexpr std::array<std::string_view, 2> kMaritimeMarks = {"MM", "AM"};

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

template <typename Marks>
bool isOneOf(std::string_view part, const Marks& marks) {
  return std::find(marks.begin(), marks.end(), part) != marks.end();
}

bool allDigits(std::string_view part) { return std::all_of(part.begin(), part.end(), isDigit); }

bool isOperatingMark(std::string_view part) {
  return (part.size() == 1 && !isDigit(part[0])) || isOneOf(part, kOperatingMarks);
}

}  // namespace

PortableCall splitPortable(std::string_view upperCall) {
  PortableCall call;
  if (upperCall.find('/') == std::string_view::npos) {  // most calls: no need to look closer
    call.home = upperCall;
    return call;
  }
  std::string_view rest = upperCall;
  while (!rest.empty()) {
    size_t slash = std::min(rest.find('/'), rest.size());
    std::string_view part = rest.substr(0, slash);
    rest.remove_prefix(std::min(slash + 1, rest.size()));
    // A mark follows the call; a single letter in front is a prefix (F/G3ABC).
    if (part.empty() || (part.data() != upperCall.data() && isOperatingMark(part))) continue;
    if (isOneOf(part, kMaritimeMarks)) {
      call.maritime = true;
    } else if (allDigits(part)) {
      call.area = part;
    } else if (call.home.empty()) {
      call.home = part;
    } else if (part.size() >= call.home.size()) {
      call.designator = call.home;
      call.home = part;
    } else if (call.designator.empty()) {
      call.designator = part;
    }
  }
  return call;
}

AreaDigits areaDigitsOf(std::string_view call) {
  size_t end = call.size();
  while (end > 0 && !isDigit(call[end - 1])) --end;
  if (end == 0) return {std::min<size_t>(2, call.size()), std::min<size_t>(2, call.size())};
  size_t begin = end;
  while (begin > 0 && isDigit(call[begin - 1])) --begin;
  return {begin, end};
}

}  // namespace countries
