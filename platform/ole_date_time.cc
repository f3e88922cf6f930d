#include "platform/ole_date_time.h"

#include <ctime>

namespace platform {
namespace {

constexpr std::int64_t kUnixEpochOleDay = 25569;  // 1970-01-01 counted from 1899-12-30

// Days from 1970-01-01 to a proleptic Gregorian date.
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

std::int64_t floorDivide(std::int64_t value, std::int64_t divisor) {
  std::int64_t quotient = value / divisor;
  return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

}  // namespace

std::int64_t hourNumber(const SystemTime& time) {
  std::int64_t oleDay =
      daysFromCivil(time.year, static_cast<unsigned>(time.month), static_cast<unsigned>(time.day)) +
      kUnixEpochOleDay;
  return oleDay * 24 + time.hour;
}

std::int64_t hourNumberOfUnixTime(std::int64_t secondsSince1970) {
  return kUnixEpochOleDay * 24 + floorDivide(secondsSince1970, 3600);
}

}  // namespace platform

bool COleDateTime::GetAsSystemTime(platform::SystemTime* out) const {
  return m_status == valid && platform::variantTimeToSystemTime(m_dt, out);
}

CString COleDateTime::Format(const char* pattern) const {
  if (m_status == null) return CString();
  platform::SystemTime time;
  if (!GetAsSystemTime(&time)) return CString("Invalid DateTime");
  std::tm calendar{};
  calendar.tm_year = time.year - 1900;
  calendar.tm_mon = time.month - 1;
  calendar.tm_mday = time.day;
  calendar.tm_hour = time.hour;
  calendar.tm_min = time.minute;
  calendar.tm_sec = time.second;
  calendar.tm_wday = time.dayOfWeek;
  char buffer[256];
  std::size_t length = std::strftime(buffer, sizeof buffer, pattern ? pattern : "", &calendar);
  return CString(buffer, static_cast<int>(length));
}
