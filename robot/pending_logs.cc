#include "robot/pending_logs.h"

#include <cstdio>

namespace robot {

PendingLogs::PendingLogs(std::size_t mostBytes, Clock clock)
    : mostBytes_(mostBytes), clock_(std::move(clock)) {}

std::string PendingLogs::put(std::string_view text) {
  std::lock_guard<std::mutex> lock(mutex_);
  // 128 bits from the system's source of randomness: not to be guessed.
  std::string token;
  for (int i = 0; i < 4; ++i) {
    char part[9];
    std::snprintf(part, sizeof part, "%08x", static_cast<unsigned>(random_()));
    token += part;
  }
  const imports::UnixTime now = clock_();
  pending_.push_back({token, std::string(text), now});
  bytes_ += text.size();
  dropOld(now);
  return token;
}

std::optional<std::string> PendingLogs::find(const std::string& token) {
  std::lock_guard<std::mutex> lock(mutex_);
  dropOld(clock_());
  for (const Pending& pending : pending_) {
    if (pending.token == token) return pending.text;
  }
  return std::nullopt;
}

void PendingLogs::dropOld(imports::UnixTime now) {
  while (!pending_.empty() &&
         (bytes_ > mostBytes_ || now - pending_.front().kept >= kLifeSeconds)) {
    bytes_ -= pending_.front().text.size();
    pending_.pop_front();
  }
}

}  // namespace robot
