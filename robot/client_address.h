#ifndef ZVK_ROBOT_CLIENT_ADDRESS_H_
#define ZVK_ROBOT_CLIENT_ADDRESS_H_

#include <string>

namespace httplib {
struct Request;
}

namespace robot {

// The header the web server in front of the robot names the client in.
constexpr char kForwardedForHeader[] = "X-Forwarded-For";

// The client's address: the peer's, or the last one a proxy on this
// machine (a loopback peer) added to X-Forwarded-For. Wrong keys and the
// upload limit are counted by it.
std::string clientAddress(const std::string& peer, const std::string& forwardedFor);
std::string clientAddress(const httplib::Request& request);

}  // namespace robot

#endif  // ZVK_ROBOT_CLIENT_ADDRESS_H_
