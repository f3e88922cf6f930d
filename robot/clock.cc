#include "robot/clock.h"

#include <chrono>

namespace robot {

imports::UnixTime systemClock() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace robot
