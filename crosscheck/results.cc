#include "crosscheck/results.h"

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

// `value` as exactly `width` decimal digits, zeros in front; the end.
char* digits(int value, int width, char* text) {
  for (int i = width - 1; i >= 0; --i) {
    text[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return text + width;
}

}  // namespace

const char* resultName(Result result) { return kResultNames[static_cast<int>(result)]; }

std::optional<Result> resultFromName(std::string_view name) {
  for (int i = 0; i < kResultCount; ++i) {
    if (name == kResultNames[i]) return static_cast<Result>(i);
  }
  return std::nullopt;
}

std::size_t writeMinute(Minute minute, char* text) {
  platform::SystemTime time;
  if (!platform::variantTimeToSystemTime(minute / kMinutesPerDay, &time)) return 0;
  char* end = digits(time.year, 4, text);
  *end++ = '-';
  end = digits(time.month, 2, end);
  *end++ = '-';
  end = digits(time.day, 2, end);
  *end++ = 'T';
  end = digits(time.hour, 2, end);
  *end++ = ':';
  end = digits(time.minute, 2, end);
  return static_cast<std::size_t>(end - text);
}

std::string formatMinute(Minute minute) {
  char text[kMinuteTextSize];
  return std::string(text, writeMinute(minute, text));
}

}  // namespace crosscheck
