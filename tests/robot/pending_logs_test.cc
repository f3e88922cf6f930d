// Logs kept for their review: found by their token for an hour, the oldest
// dropped first when they pass their room.
#include "robot/pending_logs.h"

#include <gtest/gtest.h>

namespace robot {
namespace {

TEST(PendingLogs, KeptForTheirLifeAndWithinTheirRoom) {
  imports::UnixTime now = 1000;
  PendingLogs pending(10, [&] { return now; });
  const std::string first = pending.put("abcd");
  const std::string second = pending.put("efgh");
  EXPECT_NE(first, second);
  EXPECT_EQ(first.size(), 32u);
  EXPECT_EQ(pending.find(first), "abcd");
  EXPECT_EQ(pending.find(first), "abcd");
  EXPECT_EQ(pending.find("abcd"), std::nullopt);
  const std::string third = pending.put("ijkl");  // 12 bytes: the oldest goes
  EXPECT_EQ(pending.find(first), std::nullopt);
  EXPECT_EQ(pending.find(second), "efgh");
  now += PendingLogs::kLifeSeconds - 1;
  EXPECT_EQ(pending.find(third), "ijkl");
  now += 1;
  EXPECT_EQ(pending.find(third), std::nullopt);
  EXPECT_EQ(pending.find(second), std::nullopt);
}

}  // namespace
}  // namespace robot
