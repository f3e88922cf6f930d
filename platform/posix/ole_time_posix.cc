#include <cmath>

#include "platform/ole_date_time.h"

namespace platform {
namespace {

constexpr double kFirstDay = -657434.0;      // 0100-01-01
constexpr double kDayAfterLast = 2958466.0;  // 10000-01-01
constexpr long kSecondsPerDay = 86400;

// Proleptic Gregorian date of a day counted from 1970-01-01.
void civilFromDays(long long days, SystemTime* out) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
  out->day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  out->month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  out->year = static_cast<int>(yearOfEra + era * 400 + (out->month <= 2));
}

}  // namespace

bool variantTimeToSystemTime(double oleDate, SystemTime* out) {
  if (!std::isfinite(oleDate) || oleDate < kFirstDay || oleDate >= kDayAfterLast) return false;
  double wholeDays = std::trunc(oleDate);
  long seconds = std::lround(std::fabs(oleDate - wholeDays) * kSecondsPerDay);
  long long day = static_cast<long long>(wholeDays);
  if (seconds >= kSecondsPerDay) {  // rounded up into the next day
    seconds -= kSecondsPerDay;
    ++day;
  }
  SystemTime time;
  civilFromDays(day - 25569, &time);
  if (time.year < 100 || time.year > 9999) return false;
  time.hour = static_cast<int>(seconds / 3600);
  time.minute = static_cast<int>(seconds / 60 % 60);
  time.second = static_cast<int>(seconds % 60);
  time.dayOfWeek = static_cast<int>(((day - 25569) % 7 + 7 + 4) % 7);  // 1970-01-01 was a Thursday
  *out = time;
  return true;
}

}  // namespace platform
