#ifndef ZVK_COUNTRIES_PORTABLE_CALL_H_
#define ZVK_COUNTRIES_PORTABLE_CALL_H_

#include <string_view>

namespace countries {

// A call as signed, split at its slashes: "DL/G3ABC", "G3ABC/P", "W1ABC/4", "KH6/W1ABC".
// The views point into the text split.
struct PortableCall {
  std::string_view home;        // the licensed call: G3ABC
  std::string_view designator;  // the prefix signed in front or behind: DL, KH6; empty if none
  std::string_view area;        // the call area signed behind: 4 of W1ABC/4; empty if none
  bool maritime = false;        // /MM or /AM: at sea or in the air, in no country
};

// Splits an upper-case call. Operating marks behind it (/P, /M, /A, /E, /J, any other single
// letter, /QRP, licence classes) are dropped; of two calls left, the shorter is the designator.
PortableCall splitPortable(std::string_view upperCall);

// Where the call area of a call is: the digits before its final letters, as [begin, end);
// begin == end (where a 0 would go, after the first two letters) when the call has no digit.
struct AreaDigits {
  size_t begin = 0;
  size_t end = 0;
};
AreaDigits areaDigitsOf(std::string_view call);

}  // namespace countries

#endif  // ZVK_COUNTRIES_PORTABLE_CALL_H_
