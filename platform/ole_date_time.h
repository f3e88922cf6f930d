#ifndef ZVK_PLATFORM_OLE_DATE_TIME_H_
#define ZVK_PLATFORM_OLE_DATE_TIME_H_

#include <cstdint>
#include <type_traits>

#include "platform/cstring.h"

namespace platform {

// A calendar date and time as the platform's system-time conversion gives it.
struct SystemTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int dayOfWeek = 0;  // 0 = Sunday
};

// Converts an OLE automation date to a calendar date and time, rounded to the
// nearest second. The fraction is the time of day also for negative dates.
// Fails (false, `out` untouched) for NaN, infinities and years outside 100..9999.
bool variantTimeToSystemTime(double oleDate, SystemTime* out);

// Whole hours from the OLE epoch (1899-12-30 00:00) to the calendar time.
std::int64_t hourNumber(const SystemTime& time);
// Whole hours from the OLE epoch to a moment given in seconds since 1970 UTC.
std::int64_t hourNumberOfUnixTime(std::int64_t secondsSince1970);

}  // namespace platform

// An OLE automation date (days since 1899-12-30, the fraction being the time
// of day) with its status. The host passes it by pointer: the layout is fixed.
class COleDateTime {
 public:
  enum DateTimeStatus : std::int32_t { valid = 0, invalid = 1, null = 2 };

  COleDateTime() = default;
  COleDateTime(double date, std::int32_t status) : m_dt(date), m_status(status) {}

  // Calendar time of a valid date; false for any other status or a date the
  // platform cannot convert.
  bool GetAsSystemTime(platform::SystemTime* out) const;
  // strftime `pattern` on the calendar time: "" for null, "Invalid DateTime"
  // for an invalid status or an unconvertible date; at most 255 characters.
  CString Format(const char* pattern) const;

  alignas(8) double m_dt = 0.0;
  std::int32_t m_status = valid;
};

static_assert(sizeof(COleDateTime) == 16, "the host passes COleDateTime by pointer");
static_assert(std::is_standard_layout<COleDateTime>::value, "the host's layout");

#endif  // ZVK_PLATFORM_OLE_DATE_TIME_H_
