#ifndef ZVK_ROBOT_WRONG_KEY_LIMIT_H_
#define ZVK_ROBOT_WRONG_KEY_LIMIT_H_

#include <mutex>
#include <string>
#include <unordered_map>

#include "import/utc_time.h"

namespace robot {

// Wrong organiser keys by client address: a few are free, then the address
// is shut out for a while that doubles with each lock, so guessing is slow
// while the right key from any other address opens at once. Safe to use
// from many threads.
class WrongKeyLimit {
 public:
  // Seconds until `address` may try a key again; 0: now.
  imports::UnixTime waitFor(const std::string& address, imports::UnixTime now) const;
  void wrong(const std::string& address, imports::UnixTime now);
  void right(const std::string& address);

 private:
  struct Record {
    int wrong = 0;  // since the last lock
    int locks = 0;
    imports::UnixTime until = 0;  // shut out until then
    imports::UnixTime last = 0;   // the last wrong key
  };

  void forgetOld(imports::UnixTime now);

  mutable std::mutex mutex_;
  std::unordered_map<std::string, Record> records_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_WRONG_KEY_LIMIT_H_
