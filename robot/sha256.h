#ifndef ZVK_ROBOT_SHA256_H_
#define ZVK_ROBOT_SHA256_H_

#include <string>
#include <string_view>

namespace robot {

// The SHA-256 digest of `data` as 64 lower-case hex digits.
std::string sha256Hex(std::string_view data);

}  // namespace robot

#endif  // ZVK_ROBOT_SHA256_H_
