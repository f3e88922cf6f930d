#ifndef ZVK_ROBOT_UTC_TEXT_H_
#define ZVK_ROBOT_UTC_TEXT_H_

#include <functional>
#include <string>

#include "import/utc_time.h"
#include "robot/submission.h"

namespace robot {

// Where the robot takes the time from: the system clock, or a test's.
using Clock = std::function<UnixTime()>;
UnixTime systemClock();

UnixTime unixTimeOf(const imports::UtcTime& time);
// "2026-12-08 20:15:06 UTC".
std::string formatUtc(UnixTime time);
// "20261208-201506": the time as a part of a receipt code.
std::string compactUtc(UnixTime time);

}  // namespace robot

#endif  // ZVK_ROBOT_UTC_TEXT_H_
