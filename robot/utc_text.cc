#include "robot/utc_text.h"

#include <chrono>
#include <ctime>

namespace robot {
namespace {

std::string format(UnixTime time, const char* pattern) {
  const std::time_t seconds = static_cast<std::time_t>(time);
  std::tm calendar{};
  gmtime_r(&seconds, &calendar);
  char text[64];
  return std::string(text, std::strftime(text, sizeof text, pattern, &calendar));
}

}  // namespace

UnixTime systemClock() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

UnixTime unixTimeOf(const imports::UtcTime& time) {
  std::tm calendar{};
  calendar.tm_year = time.year - 1900;
  calendar.tm_mon = time.month - 1;
  calendar.tm_mday = time.day;
  calendar.tm_hour = time.hour;
  calendar.tm_min = time.minute;
  calendar.tm_sec = time.second;
  return static_cast<UnixTime>(timegm(&calendar));
}

std::string formatUtc(UnixTime time) { return format(time, "%Y-%m-%d %H:%M:%S UTC"); }

std::string compactUtc(UnixTime time) { return format(time, "%Y%m%d-%H%M%S"); }

}  // namespace robot
