#ifndef ZVK_ROBOT_ORGANISER_REQUEST_H_
#define ZVK_ROBOT_ORGANISER_REQUEST_H_

#include <string>

#include "robot/organiser_gate.h"

namespace httplib {
struct Request;
}

namespace robot {

// What an organiser request shows of who sends it.
Credentials credentialsOf(const httplib::Request& request);
// The session cookie's token; empty when none is sent.
std::string sessionOf(const httplib::Request& request);
// Whether the address's query holds the key field, in any spelling it decodes to.
bool keyInAddress(const httplib::Request& request);

}  // namespace robot

#endif  // ZVK_ROBOT_ORGANISER_REQUEST_H_
