#include "robot/client_address.h"

#include <httplib.h>

namespace robot {
namespace {

bool isLoopback(const std::string& address) {
  return address.rfind("127.", 0) == 0 || address == "::1" || address.rfind("::ffff:127.", 0) == 0;
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::string clientAddress(const std::string& peer, const std::string& forwardedFor) {
  if (!isLoopback(peer) || forwardedFor.empty()) return peer;
  const std::size_t comma = forwardedFor.rfind(',');
  const std::string last =
      trimmed(comma == std::string::npos ? forwardedFor : forwardedFor.substr(comma + 1));
  return last.empty() ? peer : last;
}

std::string clientAddress(const httplib::Request& request) {
  return clientAddress(request.remote_addr, request.get_header_value(kForwardedForHeader));
}

}  // namespace robot
