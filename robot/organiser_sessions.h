#ifndef ZVK_ROBOT_ORGANISER_SESSIONS_H_
#define ZVK_ROBOT_ORGANISER_SESSIONS_H_

#include <map>
#include <mutex>
#include <string>

#include "import/utc_time.h"

namespace robot {

// The organiser's logins: each a random token, kept in a cookie the pages'
// scripts cannot read, that lasts a working day. Only digests of the tokens
// are kept, so a lookup's time tells nothing of a token. Safe to use from
// many threads.
class OrganiserSessions {
 public:
  static constexpr imports::UnixTime kLifetime = 12 * 3600;

  // A new token. Throws errors::ToolError (kIo) when no random bytes can be had.
  std::string open(imports::UnixTime now);
  bool isOpen(const std::string& token, imports::UnixTime now) const;
  void close(const std::string& token);

 private:
  mutable std::mutex mutex_;
  std::map<std::string, imports::UnixTime> endByDigest_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_ORGANISER_SESSIONS_H_
