#include "robot/wrong_key_limit.h"

#include <gtest/gtest.h>

#include <vector>

namespace robot {
namespace {

// Each run of five wrong keys locks the address for twice as long as the
// last, up to an hour; the right key starts it afresh.
TEST(WrongKeyLimitTest, LocksDoubleUpToAnHourAndTheRightKeyForgets) {
  WrongKeyLimit limit;
  imports::UnixTime now = 1000;
  std::vector<imports::UnixTime> locks;
  for (int run = 0; run < 8; ++run) {
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(limit.waitFor("192.0.2.1", now), 0);
      limit.wrong("192.0.2.1", now);
    }
    locks.push_back(limit.waitFor("192.0.2.1", now));
    now += locks.back();
  }
  EXPECT_EQ(locks, (std::vector<imports::UnixTime>{60, 120, 240, 480, 960, 1920, 3600, 3600}));
  EXPECT_EQ(limit.waitFor("192.0.2.2", now), 0);
  limit.right("192.0.2.1");
  for (int i = 0; i < 5; ++i) limit.wrong("192.0.2.1", now);
  EXPECT_EQ(limit.waitFor("192.0.2.1", now), 60);
}

}  // namespace
}  // namespace robot
