#ifndef ZVK_ROBOT_PENDING_LOGS_H_
#define ZVK_ROBOT_PENDING_LOGS_H_

#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "robot/clock.h"

namespace robot {

// Logs shown for review and not yet sent, each under a random token, kept
// in memory for a short time: the bytes go to the store exactly as they
// came, whatever their code page. Bounded: the oldest goes first once their
// bytes pass `mostBytes`. Safe to use from many threads.
class PendingLogs {
 public:
  static constexpr imports::UnixTime kLifeSeconds = 60 * 60;

  PendingLogs(std::size_t mostBytes, Clock clock);

  // Keeps `text`; the token that finds it.
  std::string put(std::string_view text);
  // The text kept under `token`, while its life lasts; it stays, so that a
  // page sent again finds it too.
  std::optional<std::string> find(const std::string& token);

 private:
  struct Pending {
    std::string token;
    std::string text;
    imports::UnixTime kept = 0;
  };

  void dropOld(imports::UnixTime now);

  std::size_t mostBytes_;
  Clock clock_;
  std::mutex mutex_;
  std::deque<Pending> pending_;  // oldest first
  std::size_t bytes_ = 0;
  std::random_device random_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_PENDING_LOGS_H_
