#include "robot/wrong_key_limit.h"

#include <algorithm>

namespace robot {
namespace {

constexpr int kFreeTries = 5;
constexpr imports::UnixTime kFirstLock = 60;
constexpr imports::UnixTime kLongestLock = 3600;
// An address quiet this long starts afresh; records are dropped only once
// there are many, so that many addresses cannot fill the memory.
constexpr imports::UnixTime kForgetAfter = 24 * 3600;
constexpr std::size_t kManyAddresses = 10000;

}  // namespace

imports::UnixTime WrongKeyLimit::waitFor(const std::string& address, imports::UnixTime now) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = records_.find(address);
  return found == records_.end() ? 0 : std::max<imports::UnixTime>(found->second.until - now, 0);
}

void WrongKeyLimit::wrong(const std::string& address, imports::UnixTime now) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (records_.size() >= kManyAddresses) forgetOld(now);
  Record& record = records_[address];
  record.last = now;
  if (++record.wrong < kFreeTries) return;
  record.wrong = 0;
  const int doublings = std::min(record.locks++, 6);
  record.until = now + std::min(kFirstLock << doublings, kLongestLock);
}

void WrongKeyLimit::right(const std::string& address) {
  std::lock_guard<std::mutex> lock(mutex_);
  records_.erase(address);
}

void WrongKeyLimit::forgetOld(imports::UnixTime now) {
  for (auto record = records_.begin(); record != records_.end();) {
    const bool quiet = record->second.until <= now && record->second.last + kForgetAfter <= now;
    record = quiet ? records_.erase(record) : std::next(record);
  }
}

}  // namespace robot
