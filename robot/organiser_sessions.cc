#include "robot/organiser_sessions.h"

#include <openssl/rand.h>

#include "errors/tool_error.h"
#include "robot/sha256.h"

namespace robot {
namespace {

constexpr int kTokenBytes = 32;

std::string randomToken() {
  unsigned char bytes[kTokenBytes];
  if (RAND_bytes(bytes, kTokenBytes) != 1) {
    throw errors::ToolError(errors::ErrorKind::kIo, {}, "no random bytes for a session");
  }
  static const char kHex[] = "0123456789abcdef";
  std::string token;
  for (unsigned char byte : bytes) {
    token += kHex[byte >> 4];
    token += kHex[byte & 0xf];
  }
  return token;
}

}  // namespace

std::string OrganiserSessions::open(imports::UnixTime now) {
  const std::string token = randomToken();
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto session = endByDigest_.begin(); session != endByDigest_.end();) {
    session = session->second <= now ? endByDigest_.erase(session) : std::next(session);
  }
  endByDigest_[sha256Hex(token)] = now + kLifetime;
  return token;
}

bool OrganiserSessions::isOpen(const std::string& token, imports::UnixTime now) const {
  if (token.empty()) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = endByDigest_.find(sha256Hex(token));
  return found != endByDigest_.end() && now < found->second;
}

void OrganiserSessions::close(const std::string& token) {
  std::lock_guard<std::mutex> lock(mutex_);
  endByDigest_.erase(sha256Hex(token));
}

}  // namespace robot
