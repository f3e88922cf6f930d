#ifndef ZVK_IMPORT_UTC_TIME_H_
#define ZVK_IMPORT_UTC_TIME_H_

#include <optional>
#include <string_view>

#include "platform/ole_date_time.h"

namespace imports {

// A calendar date and time in UTC, checked to exist.
struct UtcTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// "YYYYMMDD" (ADIF QSO_DATE).
std::optional<UtcTime> parseCompactDate(std::string_view text);
// "YYYY-MM-DD" (Cabrillo, command line).
std::optional<UtcTime> parseDashedDate(std::string_view text);
// Sets the time of day from "HHMM" or "HHMMSS" (ADIF TIME_ON, Cabrillo time).
bool setTimeOfDay(std::string_view text, UtcTime* time);
// "YYYY-MM-DD", "YYYY-MM-DD HH:MM" or "YYYY-MM-DDTHH:MM" (command line).
std::optional<UtcTime> parseDateTimeOption(std::string_view text);

// The OLE automation date of a UTC time, status valid.
COleDateTime toOleDate(const UtcTime& time);

}  // namespace imports

#endif  // ZVK_IMPORT_UTC_TIME_H_
