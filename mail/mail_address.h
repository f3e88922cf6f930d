#ifndef ZVK_MAIL_MAIL_ADDRESS_H_
#define ZVK_MAIL_MAIL_ADDRESS_H_

#include <optional>
#include <string>
#include <string_view>

namespace mail {

// The one plain address `value` holds ("ann@example.org"), blanks around it
// dropped; none for anything else: empty, several addresses, a display
// name, a line break or other characters a header must not carry.
std::optional<std::string> mailAddressOf(std::string_view value);

}  // namespace mail

#endif  // ZVK_MAIL_MAIL_ADDRESS_H_
