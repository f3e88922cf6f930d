#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// after windows.h, whose types it uses
#include <oleauto.h>

#include <cmath>

#include "platform/ole_date_time.h"

namespace platform {
namespace {

constexpr double kFirstDay = -657434.0;       // 0100-01-01
constexpr double kDayAfterLast = 2958466.0;   // 10000-01-01
constexpr std::int64_t kOleEpochWeekday = 6;  // 1899-12-30 was a Saturday

// The system leaves the weekday stale when rounding carries into the next day,
// so it is computed from the date.
int weekdayOf(const SystemTime& time) {
  std::int64_t day = (hourNumber(time) - time.hour) / 24;
  return static_cast<int>(((day + kOleEpochWeekday) % 7 + 7) % 7);
}

}  // namespace

bool variantTimeToSystemTime(double oleDate, SystemTime* out) {
  // Checked first: the system accepts NaN as day 0.
  if (!std::isfinite(oleDate) || oleDate < kFirstDay || oleDate >= kDayAfterLast) return false;
  SYSTEMTIME system;
  if (!VariantTimeToSystemTime(oleDate, &system)) return false;
  if (system.wYear < 100 || system.wYear > 9999) return false;
  SystemTime time;
  time.year = system.wYear;
  time.month = system.wMonth;
  time.day = system.wDay;
  time.hour = system.wHour;
  time.minute = system.wMinute;
  time.second = system.wSecond;
  time.dayOfWeek = weekdayOf(time);
  *out = time;
  return true;
}

}  // namespace platform
