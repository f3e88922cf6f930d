#ifndef ZVK_LOG_DUPE_WINDOW_H_
#define ZVK_LOG_DUPE_WINDOW_H_

#include <climits>
#include <cstdint>

#include "platform/ole_date_time.h"

// Whether a stored QSO lies inside the four-hour dupe window of a reference
// moment. Hours are counted on the full date (whole hours since the OLE
// epoch), so a QSO from 22 hours ago is no dupe and a rebuild gives the same
// answers as live logging did.
namespace dupe_window {

// Hour number of the clock value `secondsSince1970` (UTC).
std::int64_t hourOfClock(std::int64_t secondsSince1970);
// Reference hour for a new QSO: its own time when valid, else the clock's.
std::int64_t hourOfNewQso(const COleDateTime& qsoTime, std::int64_t secondsSince1970);
// Hour number of a stored QSO's time, or kNoHour when it is not a valid date.
constexpr std::int64_t kNoHour = INT64_MIN;
std::int64_t hourOfStoredQso(const COleDateTime& storedTime);
// True when reference - stored < 4 hours; a stored time that is not a valid
// date counts as inside, and so does one later than the reference.
bool isInsideHours(std::int64_t referenceHour, std::int64_t storedHour);
bool isInside(std::int64_t referenceHour, const COleDateTime& storedTime);

}  // namespace dupe_window

#endif  // ZVK_LOG_DUPE_WINDOW_H_
