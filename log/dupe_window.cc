#include "log/dupe_window.h"

#include "log/rule_set.h"

namespace dupe_window {
namespace {

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

std::int64_t hourOfStoredQso(const COleDateTime& storedTime) {
  std::int64_t hour;
  return hourOfDate(storedTime, &hour) ? hour : kNoHour;
}

bool isInsideHours(std::int64_t referenceHour, std::int64_t storedHour) {
  return storedHour == kNoHour || rules::zvkCwRules().dupe.repeats(referenceHour, storedHour);
}

bool isInside(std::int64_t referenceHour, const COleDateTime& storedTime) {
  return isInsideHours(referenceHour, hourOfStoredQso(storedTime));
}

}  // namespace dupe_window
