#ifndef ZVK_COUNTRIES_WPX_PREFIX_H_
#define ZVK_COUNTRIES_WPX_PREFIX_H_

#include <string>
#include <string_view>

namespace countries {

// The WPX prefix of `call` (any case; upper case out) by the published rules: the start of
// the call up to its last digit before the final letters, a portable designator in its stead,
// a 0 added where no digit is; empty for an empty or unreadable call.
std::string wpxPrefix(std::string_view call);

}  // namespace countries

#endif  // ZVK_COUNTRIES_WPX_PREFIX_H_
