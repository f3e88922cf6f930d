#ifndef ZVK_ROBOT_RELAY_LOGIN_H_
#define ZVK_ROBOT_RELAY_LOGIN_H_

#include <string>

#include "mail/smtp_relay.h"

namespace robot {

// Sets the relay's user name and password from `path`: its first line and
// its second, blanks around them dropped, so that they never appear on a
// command line. Throws errors::ToolError (kBadDefinition) when the file
// cannot be read or lacks either.
void readRelayLogin(const std::string& path, mail::RelaySettings* relay);

}  // namespace robot

#endif  // ZVK_ROBOT_RELAY_LOGIN_H_
