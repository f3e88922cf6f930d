#ifndef ZVK_ROBOT_CLOCK_H_
#define ZVK_ROBOT_CLOCK_H_

#include <functional>

#include "import/utc_time.h"

namespace robot {

// Where the robot takes the time from: the system clock, or a test's.
using Clock = std::function<imports::UnixTime()>;
imports::UnixTime systemClock();

}  // namespace robot

#endif  // ZVK_ROBOT_CLOCK_H_
