#include "crosscheck/results.h"

#include <cstdio>

#include "platform/ole_date_time.h"

namespace crosscheck {
namespace {

constexpr const char* kResultNames[kResultCount] = {
    "ok",
    "not-contest",
    "outside-period",
    "dupe",
    "not-in-log",
    "busted-call",
    "busted-exchange",
    "unique",
    "partner-busted-call",
    "partner-busted-exchange",
};
constexpr double kMinutesPerDay = 24 * 60;

}  // namespace

const char* resultName(Result result) { return kResultNames[static_cast<int>(result)]; }

std::optional<Result> resultFromName(std::string_view name) {
  for (int i = 0; i < kResultCount; ++i) {
    if (name == kResultNames[i]) return static_cast<Result>(i);
  }
  return std::nullopt;
}

std::string formatMinute(Minute minute) {
  platform::SystemTime time;
  if (!platform::variantTimeToSystemTime(minute / kMinutesPerDay, &time)) return std::string();
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d", time.year, time.month, time.day,
                time.hour, time.minute);
  return text;
}

}  // namespace crosscheck
