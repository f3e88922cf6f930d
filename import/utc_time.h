#ifndef ZVK_IMPORT_UTC_TIME_H_
#define ZVK_IMPORT_UTC_TIME_H_

#include <climits>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ole_date_time.h"

// The tools' one way of saying time: the calendar time, the minute and the
// second they count in, the contest period, and each text form of them.
namespace imports {

constexpr int kSecondsPerMinute = 60;
constexpr int kMinutesPerHour = 60;
constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerDay = kHoursPerDay * kMinutesPerHour;
constexpr int kSecondsPerHour = kMinutesPerHour * kSecondsPerMinute;
constexpr int kSecondsPerDay = kMinutesPerDay * kSecondsPerMinute;

// A calendar date and time in UTC, checked to exist.
struct UtcTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Minutes since 1899-12-30 00:00 UTC (the plug-in's hour numbers times 60):
// a QSO's time in the cross-check.
using Minute = std::int32_t;
// Seconds since 1970-01-01 00:00 UTC: when the robot received a log.
using UnixTime = std::int64_t;

// The contest period, both ends included.
struct Period {
  Minute from = 0;
  Minute to = 0;
};
// A period without ends: every QSO lies inside it.
constexpr Period kOpenPeriod{INT32_MIN, INT32_MAX};

// "YYYYMMDD" (ADIF QSO_DATE).
std::optional<UtcTime> parseCompactDate(std::string_view text);
// "YYYY-MM-DD" (Cabrillo, command line).
std::optional<UtcTime> parseDashedDate(std::string_view text);
// Sets the time of day from "HHMM" or "HHMMSS" (ADIF TIME_ON, Cabrillo time).
bool setTimeOfDay(std::string_view text, UtcTime* time);
// "YYYY-MM-DD", "YYYY-MM-DD HH:MM" or "YYYY-MM-DDTHH:MM" (command line).
std::optional<UtcTime> parseDateTimeOption(std::string_view text);
// The same for the end of a period: a date alone is its last minute, 23:59,
// so that the whole day is in the period.
std::optional<UtcTime> parsePeriodEndOption(std::string_view text);

// The OLE automation date of a UTC time, status valid.
COleDateTime toOleDate(const UtcTime& time);
// The minute of a valid date, seconds dropped as the plug-in's hour numbers
// drop minutes; 0 for a time that is no date.
Minute minuteOf(const COleDateTime& time);
Minute minuteOf(const UtcTime& time);
// The plug-in's hour number of a minute.
std::int64_t hourOf(Minute minute);
UnixTime unixTimeOf(const UtcTime& time);

// The period between the ends given (by the contest definition, the command
// line put over it), each end not given taken from `unset`: the caller's
// own answer for what it lacks.
Period periodOf(const std::optional<UtcTime>& from, const std::optional<UtcTime>& to,
                const Period& unset);

// The text forms; each is empty for a time that is no date.
// "2025-11-29T12:00": a QSO's minute in results.json and the period.
std::string formatMinute(Minute minute);
// The same into `text` of kMinuteTextSize chars, without allocating: its length.
constexpr std::size_t kMinuteTextSize = 16;
std::size_t writeMinute(Minute minute, char* text);
// "2025-11-29 12:00": a QSO's minute quoted in an entrant's report, as a
// text and, as writeMinute does, into `text`.
std::string formatMinuteSpaced(Minute minute);
std::size_t writeMinuteSpaced(Minute minute, char* text);
// "11-29 12:00": an hour's label on a chart.
std::string formatHour(std::int64_t hour);
// "2026-12-08 20:15:06 UTC": when the robot received a log.
std::string formatUtc(UnixTime time);
// "20261208-201506": the time as a part of a receipt code.
std::string formatCompactUtc(UnixTime time);
// "Thu, 10 Dec 2026 01:40:59 +0000": the time as a mail's Date header.
std::string formatMailDate(UnixTime time);

}  // namespace imports

#endif  // ZVK_IMPORT_UTC_TIME_H_
