#include "robot/upload_limit.h"

#include <algorithm>
#include <cmath>

namespace robot {
namespace {

constexpr double kSecondsPerMinute = 60;
// Addresses remembered before the full buckets are forgotten.
constexpr std::size_t kManyAddresses = 4096;

}  // namespace

UploadLimit::UploadLimit(UploadRate rate, Clock clock) : rate_(rate), clock_(std::move(clock)) {}

UploadLimit::Bucket& UploadLimit::fill(const std::string& address, imports::UnixTime now) {
  auto found = buckets_.find(address);
  if (found == buckets_.end()) {
    forgetFull(now);
    return buckets_[address] = Bucket{static_cast<double>(rate_.burst), now};
  }
  Bucket& bucket = found->second;
  // A clock set back fills nothing.
  const auto seconds = static_cast<double>(std::max<imports::UnixTime>(0, now - bucket.filled));
  bucket.tokens =
      std::min<double>(rate_.burst, bucket.tokens + seconds * rate_.perMinute / kSecondsPerMinute);
  bucket.filled = std::max(bucket.filled, now);
  return bucket;
}

void UploadLimit::forgetFull(imports::UnixTime now) {
  if (buckets_.size() < kManyAddresses) return;
  for (auto it = buckets_.begin(); it != buckets_.end();) {
    const double gained =
        static_cast<double>(now - it->second.filled) * rate_.perMinute / kSecondsPerMinute;
    it = it->second.tokens + gained >= rate_.burst ? buckets_.erase(it) : std::next(it);
  }
}

long UploadLimit::take(const std::string& address) {
  std::lock_guard<std::mutex> lock(mutex_);
  Bucket& bucket = fill(address, clock_());
  if (bucket.tokens >= 1) {
    bucket.tokens -= 1;
    return 0;
  }
  return static_cast<long>(std::ceil((1 - bucket.tokens) * kSecondsPerMinute / rate_.perMinute));
}

}  // namespace robot
