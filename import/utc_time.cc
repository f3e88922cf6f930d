#include "import/utc_time.h"

namespace imports {
namespace {

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
  std::optional<UtcTime> date = parseDashedDate(text.substr(0, 10));
  if (!date || text.size() == 10) return date;
  std::string_view clock = text.substr(10);
  if (clock.size() != 6 || (clock[0] != ' ' && clock[0] != 'T') || clock[3] != ':') {
    return std::nullopt;
  }
  if (!setClock(readDigits(clock.substr(1, 2)), readDigits(clock.substr(4, 2)), 0, &*date)) {
    return std::nullopt;
  }
  return date;
}

COleDateTime toOleDate(const UtcTime& time) {
  platform::SystemTime midnight;
  midnight.year = time.year;
  midnight.month = time.month;
  midnight.day = time.day;
  double days = static_cast<double>(platform::hourNumber(midnight) / 24);
  double seconds = time.hour * 3600.0 + time.minute * 60.0 + time.second;
  return COleDateTime(days + seconds / 86400.0, COleDateTime::valid);
}

}  // namespace imports
