#ifndef ZVK_ROBOT_ORGANISER_KEY_H_
#define ZVK_ROBOT_ORGANISER_KEY_H_

#include <string>

namespace robot {

// The key in `path`: its first line without surrounding blanks. Throws
// errors::ToolError (kBadDefinition) when the file cannot be read or holds no key.
std::string readOrganiserKey(const std::string& path);

// Whether `given` is `key`, in a time that tells nothing about where they
// differ or how long the key is.
bool isOrganiserKey(const std::string& given, const std::string& key);

}  // namespace robot

#endif  // ZVK_ROBOT_ORGANISER_KEY_H_
