#ifndef ZVK_TESTS_ROBOT_LOG_STORE_FIXTURE_H_
#define ZVK_TESTS_ROBOT_LOG_STORE_FIXTURE_H_

#include <string>

#include "robot/log_store.h"
#include "tests/support/temp_dir.h"

namespace robot {

inline constexpr UnixTime kNoon = 1764417600;  // 2025-11-29 12:00:00 UTC

// The facts of a one-QSO log of `call`.
inline LogFacts factsFor(const std::string& call) {
  LogFacts facts;
  facts.call = call;
  facts.category = "SINGLE-OP";
  facts.qsos = 1;
  facts.claimedByRules = 5;
  return facts;
}

// A store's tests: a folder of their own and a clock a second on at each reading.
class LogStoreTest : public testing_support::TempDirTest {
 protected:
  UnixTime now_ = kNoon;
  Clock clock() {
    return [this] { return now_++; };
  }
};

}  // namespace robot

#endif  // ZVK_TESTS_ROBOT_LOG_STORE_FIXTURE_H_
