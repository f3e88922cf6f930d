#include "countries/wpx_prefix.h"

#include <algorithm>
#include <cctype>

#include "countries/portable_call.h"
#include "countries/text.h"

namespace countries {

namespace {

// A designator counts as it is, given a 0 when it has no digit: PA/N8BJQ is PA0.
std::string designatorPrefix(std::string_view designator) {
  bool hasDigit = std::any_of(designator.begin(), designator.end(),
                              [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
  return std::string(designator) + (hasDigit ? "" : "0");
}

}  // namespace

std::string wpxPrefix(std::string_view call) {
  std::string upper = upperCase(trimmed(call));
  PortableCall parts = splitPortable(upper);
  if (!parts.designator.empty()) return designatorPrefix(parts.designator);
  if (parts.home.empty()) return {};
  AreaDigits digits = areaDigitsOf(parts.home);
  std::string_view area = parts.home.substr(digits.begin, digits.end - digits.begin);
  if (!parts.area.empty()) area = parts.area;
  return std::string(parts.home.substr(0, digits.begin)) + std::string(area.empty() ? "0" : area);
}

}  // namespace countries
