#include "robot/upload_limit.h"

#include <gtest/gtest.h>

#include <vector>

#include "robot/client_address.h"

namespace robot {
namespace {

using imports::UnixTime;

constexpr UnixTime kNoon = 1764417600;

// Burst 3, then 6 a minute (one each 10 s): each step moves the clock, then
// takes an upload of an address; the answers are the seconds to wait.
TEST(UploadLimitTest, BurstThenOneEachTenSecondsPerAddress) {
  UnixTime now = kNoon;
  UploadLimit limit({3, 6}, [&now] { return now; });
  const struct {
    int advance;
    const char* address;
    long wait;
  } steps[] = {{0, "a", 0}, {0, "a", 0}, {0, "a", 0},  {0, "a", 10},   {0, "b", 0},
               {4, "a", 6}, {6, "a", 0}, {0, "a", 10}, {-60, "a", 10}, {95, "a", 0},
               {0, "a", 0}, {0, "a", 0}, {0, "a", 10}};
  std::vector<long> waits;
  std::vector<long> expected;
  for (const auto& step : steps) {
    now += step.advance;
    waits.push_back(limit.take(step.address));
    expected.push_back(step.wait);
  }
  EXPECT_EQ(waits, expected);
}

TEST(UploadLimitTest, ClientIsThePeerOrWhatAProxyOnThisMachineAdded) {
  const struct {
    const char* peer;
    const char* forwardedFor;
    const char* client;
  } cases[] = {{"192.0.2.7", "", "192.0.2.7"},
               {"192.0.2.7", "198.51.100.1", "192.0.2.7"},
               {"127.0.0.1", "", "127.0.0.1"},
               {"127.0.0.1", "198.51.100.1", "198.51.100.1"},
               {"::1", "10.0.0.9, 198.51.100.1 ", "198.51.100.1"},
               {"127.0.0.1", " , ", "127.0.0.1"}};
  for (const auto& c : cases) {
    EXPECT_EQ(clientAddress(c.peer, c.forwardedFor), c.client) << c.peer << " " << c.forwardedFor;
  }
}

}  // namespace
}  // namespace robot
