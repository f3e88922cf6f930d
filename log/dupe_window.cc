#include "log/dupe_window.h"

namespace dupe_window {
namespace {

constexpr std::int64_t kWindowHours = 4;

bool hourOfDate(const COleDateTime& date, std::int64_t* hour) {
  platform::SystemTime time;
  if (!date.GetAsSystemTime(&time)) return false;
  *hour = platform::hourNumber(time);
  return true;
}

}  // namespace

std::int64_t hourOfClock(std::int64_t secondsSince1970) {
  return platform::hourNumberOfUnixTime(secondsSince1970);
}

std::int64_t hourOfNewQso(const COleDateTime& qsoTime, std::int64_t secondsSince1970) {
  std::int64_t hour;
  return hourOfDate(qsoTime, &hour) ? hour : hourOfClock(secondsSince1970);
}

bool isInside(std::int64_t referenceHour, const COleDateTime& storedTime) {
  std::int64_t storedHour;
  if (!hourOfDate(storedTime, &storedHour)) return true;
  return referenceHour - storedHour < kWindowHours;
}

}  // namespace dupe_window
