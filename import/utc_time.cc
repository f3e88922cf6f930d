#include "import/utc_time.h"

#include <cmath>
#include <cstring>

namespace imports {
namespace {

// 1970-01-01 as a day number (days since 1899-12-30).
constexpr std::int64_t kUnixEpochDay = 25569;
// 1899-12-30 up to 9999-12-31: the days whose every time converts to a
// calendar date, a day rounded up into the next included.
constexpr double kFirstPlainDay = 0;
constexpr double kLastPlainDay = 2958465;

// The text forms: Y is the year's four digits; M, D, h, m and s two digits
// of the month, day, hour, minute and second; any other char stands as it is.
constexpr std::string_view kMinuteForm = "Y-M-DTh:m";
constexpr std::string_view kSpacedMinuteForm = "Y-M-D h:m";
constexpr std::string_view kHourForm = "M-D h:00";
constexpr std::string_view kUtcForm = "Y-M-D h:m:s UTC";
constexpr std::string_view kCompactUtcForm = "YMD-hms";
constexpr std::size_t kLongestForm = 32;
constexpr std::int64_t kDaysPerWeek = 7;
constexpr std::size_t kDateLength = 10;  // "YYYY-MM-DD"

std::int64_t floorDiv(std::int64_t value, std::int64_t by) {
  const std::int64_t quotient = value / by;
  return quotient * by > value ? quotient - 1 : quotient;
}

std::int64_t dayNumber(const UtcTime& time) {
  platform::SystemTime midnight;
  midnight.year = time.year;
  midnight.month = time.month;
  midnight.day = time.day;
  return platform::hourNumber(midnight) / kHoursPerDay;
}

// The calendar time `second` seconds into day number `day`; none outside
// the calendar's years.
std::optional<UtcTime> calendarOf(std::int64_t day, std::int64_t second) {
  platform::SystemTime date;
  if (!platform::variantTimeToSystemTime(static_cast<double>(day), &date)) return std::nullopt;
  return UtcTime{date.year,
                 date.month,
                 date.day,
                 static_cast<int>(second / kSecondsPerHour),
                 static_cast<int>(second / kSecondsPerMinute % kMinutesPerHour),
                 static_cast<int>(second % kSecondsPerMinute)};
}

std::optional<UtcTime> timeOfUnixTime(UnixTime time) {
  const std::int64_t day = floorDiv(time, kSecondsPerDay);
  return calendarOf(day + kUnixEpochDay, time - day * kSecondsPerDay);
}

// `value` as exactly `width` decimal digits, zeros in front; the end.
char* digits(int value, int width, char* text) {
  for (int i = width - 1; i >= 0; --i) {
    text[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return text + width;
}

constexpr std::size_t widthOf(char code) {
  return code == 'Y' ? 4 : std::string_view("MDhms").find(code) != std::string_view::npos ? 2 : 1;
}

// Where in the text of `form` the field `code` is written.
constexpr std::size_t writtenAt(std::string_view form, char code) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < form.find(code); ++i) at += widthOf(form[i]);
  return at;
}

constexpr std::size_t kMinuteHourAt = writtenAt(kMinuteForm, 'h');
constexpr std::size_t kMinuteMinuteAt = writtenAt(kMinuteForm, 'm');
// The spaced form differs from the minute's form in its separator alone.
constexpr std::size_t kSeparatorInForm = kMinuteForm.find('T');
constexpr std::size_t kMinuteSeparatorAt = writtenAt(kMinuteForm, 'T');
static_assert(kSpacedMinuteForm.substr(0, kSeparatorInForm) ==
                  kMinuteForm.substr(0, kSeparatorInForm) &&
              kSpacedMinuteForm.substr(kSeparatorInForm + 1) ==
                  kMinuteForm.substr(kSeparatorInForm + 1));

// The field a text form's char names, null for a char that stands as it is.
const int* fieldOf(const UtcTime& time, char code) {
  switch (code) {
    case 'Y':
      return &time.year;
    case 'M':
      return &time.month;
    case 'D':
      return &time.day;
    case 'h':
      return &time.hour;
    case 'm':
      return &time.minute;
    case 's':
      return &time.second;
    default:
      return nullptr;
  }
}

// `time` in `form` into `text` of kLongestForm chars: its length, 0 for no date.
std::size_t writeTime(const std::optional<UtcTime>& time, std::string_view form, char* text) {
  if (!time) return 0;
  char* end = text;
  for (char c : form) {
    const int* field = fieldOf(*time, c);
    if (field) {
      end = digits(*field, static_cast<int>(widthOf(c)), end);
    } else {
      *end++ = c;
    }
  }
  return static_cast<std::size_t>(end - text);
}

std::string formatted(const std::optional<UtcTime>& time, std::string_view form) {
  char text[kLongestForm];
  return std::string(text, writeTime(time, form, text));
}

// Reads exactly `text.size()` decimal digits.
std::optional<int> readDigits(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

int daysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// Years before 1900 have no place in a contest log and would need the OLE
// date's odd negative encoding.
std::optional<UtcTime> makeDate(std::optional<int> year, std::optional<int> month,
                                std::optional<int> day) {
  if (!year || !month || !day) return std::nullopt;
  if (*year < 1900 || *month < 1 || *month > 12) return std::nullopt;
  if (*day < 1 || *day > daysInMonth(*year, *month)) return std::nullopt;
  UtcTime time;
  time.year = *year;
  time.month = *month;
  time.day = *day;
  return time;
}

bool setClock(std::optional<int> hour, std::optional<int> minute, std::optional<int> second,
              UtcTime* time) {
  if (!hour || !minute || !second) return false;
  if (*hour > 23 || *minute > 59 || *second > 59) return false;
  time->hour = *hour;
  time->minute = *minute;
  time->second = *second;
  return true;
}

}  // namespace

std::optional<UtcTime> parseCompactDate(std::string_view text) {
  if (text.size() != 8) return std::nullopt;
  return makeDate(readDigits(text.substr(0, 4)), readDigits(text.substr(4, 2)),
                  readDigits(text.substr(6, 2)));
}

std::optional<UtcTime> parseDashedDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  return makeDate(readDigits(text.substr(0, 4)), readDigits(text.substr(5, 2)),
                  readDigits(text.substr(8, 2)));
}

bool setTimeOfDay(std::string_view text, UtcTime* time) {
  if (text.size() != 4 && text.size() != 6) return false;
  std::optional<int> second = text.size() == 6 ? readDigits(text.substr(4, 2)) : 0;
  return setClock(readDigits(text.substr(0, 2)), readDigits(text.substr(2, 2)), second, time);
}

std::optional<UtcTime> parseDateTimeOption(std::string_view text) {
  std::optional<UtcTime> date = parseDashedDate(text.substr(0, kDateLength));
  if (!date || text.size() == kDateLength) return date;
  std::string_view clock = text.substr(kDateLength);
  if (clock.size() != 6 || (clock[0] != ' ' && clock[0] != 'T') || clock[3] != ':') {
    return std::nullopt;
  }
  if (!setClock(readDigits(clock.substr(1, 2)), readDigits(clock.substr(4, 2)), 0, &*date)) {
    return std::nullopt;
  }
  return date;
}

std::optional<UtcTime> parsePeriodEndOption(std::string_view text) {
  std::optional<UtcTime> end = parseDateTimeOption(text);
  if (end && text.size() == kDateLength) {
    end->hour = kHoursPerDay - 1;
    end->minute = kMinutesPerHour - 1;
  }
  return end;
}

COleDateTime toOleDate(const UtcTime& time) {
  double seconds = time.hour * kSecondsPerHour + time.minute * kSecondsPerMinute + time.second;
  return COleDateTime(static_cast<double>(dayNumber(time)) + seconds / kSecondsPerDay,
                      COleDateTime::valid);
}

// The minute read straight off the day number and the seconds of the day,
// rounded as the calendar conversion rounds them: a million lines' worth of
// calendar dates was a large share of reading a contest.
Minute minuteOf(const COleDateTime& time) {
  const double date = time.m_dt;
  if (time.m_status == COleDateTime::valid && date >= kFirstPlainDay && date < kLastPlainDay) {
    const double day = std::trunc(date);
    const long second = std::lround((date - day) * kSecondsPerDay);
    return static_cast<Minute>(static_cast<std::int64_t>(day) * kMinutesPerDay +
                               second / kSecondsPerMinute);
  }
  platform::SystemTime calendar;
  if (!time.GetAsSystemTime(&calendar)) return 0;
  return static_cast<Minute>(platform::hourNumber(calendar) * kMinutesPerHour + calendar.minute);
}

Minute minuteOf(const UtcTime& time) { return minuteOf(toOleDate(time)); }

std::int64_t hourOf(Minute minute) { return floorDiv(minute, kMinutesPerHour); }

UnixTime unixTimeOf(const UtcTime& time) {
  return (dayNumber(time) - kUnixEpochDay) * kSecondsPerDay + time.hour * kSecondsPerHour +
         time.minute * kSecondsPerMinute + time.second;
}

Period periodOf(const std::optional<UtcTime>& from, const std::optional<UtcTime>& to,
                const Period& unset) {
  Period period = unset;
  if (from) period.from = minuteOf(*from);
  if (to) period.to = minuteOf(*to);
  return period;
}

// A contest's million lines fall on few days: each thread keeps the text
// of the last day's first minute and sets only the clock's digits in it.
std::size_t writeMinute(Minute minute, char* text) {
  thread_local std::int64_t lastDay = INT64_MIN;
  thread_local char dayText[kLongestForm];
  thread_local bool isDate = false;
  const std::int64_t day = floorDiv(minute, kMinutesPerDay);
  if (day != lastDay) {
    isDate = writeTime(calendarOf(day, 0), kMinuteForm, dayText) == kMinuteTextSize;
    lastDay = day;
  }
  if (!isDate) return 0;
  std::memcpy(text, dayText, kMinuteTextSize);
  const auto inDay = static_cast<int>(minute - day * kMinutesPerDay);
  digits(inDay / kMinutesPerHour, 2, text + kMinuteHourAt);
  digits(inDay % kMinutesPerHour, 2, text + kMinuteMinuteAt);
  return kMinuteTextSize;
}

std::string formatMinute(Minute minute) {
  char text[kMinuteTextSize];
  return std::string(text, writeMinute(minute, text));
}

std::size_t writeMinuteSpaced(Minute minute, char* text) {
  const std::size_t size = writeMinute(minute, text);
  if (size != 0) text[kMinuteSeparatorAt] = kSpacedMinuteForm[kSeparatorInForm];
  return size;
}

std::string formatMinuteSpaced(Minute minute) {
  char text[kMinuteTextSize];
  return std::string(text, writeMinuteSpaced(minute, text));
}

std::string formatHour(std::int64_t hour) {
  const std::int64_t day = floorDiv(hour, kHoursPerDay);
  return formatted(calendarOf(day, (hour - day * kHoursPerDay) * kSecondsPerHour), kHourForm);
}

std::string formatUtc(UnixTime time) { return formatted(timeOfUnixTime(time), kUtcForm); }

std::string formatCompactUtc(UnixTime time) {
  return formatted(timeOfUnixTime(time), kCompactUtcForm);
}

std::string formatMailDate(UnixTime time) {
  // Day 0 of Unix time, 1970-01-01, was a Thursday.
  static constexpr const char* kWeekdays[] = {"Thu", "Fri", "Sat", "Sun", "Mon", "Tue", "Wed"};
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const std::optional<UtcTime> utc = timeOfUnixTime(time);
  if (!utc) return std::string();
  const std::int64_t weekday = floorDiv(time, kSecondsPerDay) % kDaysPerWeek;
  return std::string(kWeekdays[(weekday + kDaysPerWeek) % kDaysPerWeek]) + ", " +
         formatted(utc, "D ") + kMonths[utc->month - 1] + formatted(utc, " Y h:m:s +0000");
}

}  // namespace imports
