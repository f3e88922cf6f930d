#ifndef ZVK_ROBOT_UPLOAD_LIMIT_H_
#define ZVK_ROBOT_UPLOAD_LIMIT_H_

#include <map>
#include <mutex>
#include <string>

#include "robot/clock.h"

namespace robot {

// How many uploads a client address may send: `burst` at once, then
// `perMinute` more each minute.
struct UploadRate {
  int burst = 20;
  int perMinute = 6;
};

// A token bucket per client address, filled by `clock`. Safe to use from
// many threads.
class UploadLimit {
 public:
  UploadLimit(UploadRate rate, Clock clock);

  // Takes an upload of `address`: 0 when it may go on, else the seconds
  // until it may send again.
  long take(const std::string& address);

 private:
  struct Bucket {
    double tokens;
    imports::UnixTime filled;
  };

  // The bucket of `address` filled up to `now`.
  Bucket& fill(const std::string& address, imports::UnixTime now);
  // Forgets the full buckets once there are many: a full one is a new one.
  void forgetFull(imports::UnixTime now);

  UploadRate rate_;
  Clock clock_;
  std::mutex mutex_;
  std::map<std::string, Bucket> buckets_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_UPLOAD_LIMIT_H_
