#include "tests/crosscheck/synthetic_contest.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <random>
#include <set>

namespace synthetic {
namespace {

constexpr int kMinutesPerDay = 24 * 60;

int kilohertzOf(const std::string& band, const std::string& mode) {
  static const std::map<std::string, int> kCw = {{"160m", 1825}, {"80m", 3525},  {"40m", 7025},
                                                 {"30m", 10110}, {"20m", 14025}, {"15m", 21025},
                                                 {"10m", 28025}};
  return kCw.at(band) + (mode == "CW" ? 0 : 175);
}

std::time_t dayStart(const std::string& date) {
  std::tm day{};
  std::sscanf(date.c_str(), "%d-%d-%d", &day.tm_year, &day.tm_mon, &day.tm_mday);
  day.tm_year -= 1900;
  day.tm_mon -= 1;
  return timegm(&day);
}

// "2025-11-29 1205" for minutes after the day's start.
std::string dateAndTime(std::time_t start, int minutes) {
  std::time_t when = start + static_cast<std::time_t>(minutes) * 60;
  std::tm utc{};
  gmtime_r(&when, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H%M", &utc);
  return text;
}

std::string valueOr(const std::string& value, const std::string& otherwise) {
  return value.empty() ? otherwise : value;
}

}  // namespace

Qso qso(std::string a, std::string b, int minute, std::string band, std::string mode) {
  Qso qso;
  qso.a = std::move(a);
  qso.b = std::move(b);
  qso.minute = minute;
  qso.band = std::move(band);
  qso.mode = std::move(mode);
  return qso;
}

Qso missingFromB(Qso qso) {
  qso.bLogs = false;
  qso.aResult = "not-in-log";
  return qso;
}

Qso aMiscopiesCall(Qso qso, std::string copy) {
  qso.aLogsCall = std::move(copy);
  qso.aResult = "busted-call";
  qso.aCorrectCall = qso.b;
  return qso;
}

Qso aMiscopiesExchange(Qso qso, std::string copy) {
  qso.aLogsRcvd = std::move(copy);
  qso.aResult = "busted-exchange";
  return qso;
}

Qso bLogsLater(Qso qso, int minutes) {
  qso.bLateMinutes = minutes;
  return qso;
}

Qso judged(Qso qso, std::string aResult, std::string bResult) {
  qso.aResult = std::move(aResult);
  qso.bResult = std::move(bResult);
  return qso;
}

Contest::Contest(std::string date, int startHhmm, Exchange exchange)
    : date_(std::move(date)),
      startMinutes_(startHhmm / 100 * 60 + startHhmm % 100),
      exchange_(exchange) {}

void Contest::add(const Station& station) { stations_.insert_or_assign(station.call, station); }

std::string Contest::sentBy(const std::string& call) {
  if (exchange_ == Exchange::kFixed) return stations_.at(call).exchange;
  return std::to_string(++serials_[call]);
}

void Contest::add(const Qso& qso) {
  const std::string aSent = sentBy(qso.a);
  const std::string bSent = sentBy(qso.b);
  const Station& a = stations_.at(qso.a);
  const Station& b = stations_.at(qso.b);
  log(qso.a, {qso.minute + a.clockMinutes,
              qso.band,
              qso.mode,
              valueOr(qso.aLogsCall, qso.b),
              aSent,
              valueOr(qso.aLogsRcvd, bSent),
              {qso.aResult, qso.aCorrectCall}});
  if (!qso.bLogs || !b.sendsLog) return;
  log(qso.b, {qso.minute + b.clockMinutes + qso.bLateMinutes,
              qso.band,
              qso.mode,
              valueOr(qso.bLogsCall, qso.a),
              bSent,
              valueOr(qso.bLogsRcvd, aSent),
              {qso.bResult, qso.bCorrectCall}});
}

void Contest::log(const std::string& station, LoggedLine line) {
  if (stations_.at(station).sendsLog) logs_[station].push_back(std::move(line));
}

std::size_t Contest::lineCount() const {
  std::size_t count = 0;
  for (const auto& [call, lines] : logs_) count += lines.size();
  return count;
}

std::string Contest::fileText(const Station& station, std::vector<LoggedLine>& lines) {
  std::stable_sort(lines.begin(), lines.end(),
                   [](const LoggedLine& x, const LoggedLine& y) { return x.minute < y.minute; });
  std::string text = "START-OF-LOG: 3.0\nCALLSIGN: " + station.call + "\n";
  for (const std::string& header : station.header) text += header + "\n";
  int line = 3 + static_cast<int>(station.header.size());
  const std::time_t start = dayStart(date_);
  for (const LoggedLine& qso : lines) {
    char row[160];
    std::snprintf(row, sizeof row, "QSO: %5d %s %s %-13s 599 %-6s %-13s 599 %s\n",
                  kilohertzOf(qso.band, qso.mode), qso.mode == "CW" ? "CW" : "PH",
                  dateAndTime(start, startMinutes_ + qso.minute).c_str(), station.call.c_str(),
                  qso.sent.c_str(), qso.call.c_str(), qso.rcvd.c_str());
    text += row;
    expected_[{station.call, line++}] = qso.expected;
  }
  return text + "END-OF-LOG:\n";
}

std::vector<std::string> Contest::write(const std::string& dir) {
  std::vector<std::string> files;
  for (auto& [call, lines] : logs_) {
    files.push_back(dir + "/" + call + ".log");
    std::ofstream(files.back(), std::ios::binary) << fileText(stations_.at(call), lines);
  }
  return files;
}

namespace {

std::string randomCall(std::mt19937& random) {
  static const char* const kPrefixes[] = {"DL", "OK", "OM", "SP", "HA", "OE", "PA", "ON", "G", "F"};
  std::uniform_int_distribution<int> letter(0, 25), digit(0, 9), prefix(0, 9), length(2, 3);
  std::string call =
      std::string(kPrefixes[prefix(random)]) + static_cast<char>('0' + digit(random));
  for (int n = length(random); n > 0; --n) call += static_cast<char>('A' + letter(random));
  return call;
}

// A miscopy: one letter of the suffix changed.
std::string miscopied(const std::string& call) {
  std::string copy = call;
  char& last = copy.back();
  last = last == 'Z' ? 'A' : static_cast<char>(last + 1);
  return copy;
}

bool sendsLog(std::size_t station) { return station % 50 != 49; }

// A random QSO of `a` and `b`, with a fault now and then and the
// judgements it must get.
Qso randomQso(const std::vector<std::string>& calls, std::size_t a, std::size_t b,
              std::mt19937& random) {
  static const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m"};
  std::uniform_int_distribution<int> percent(0, 99), minute(0, kMinutesPerDay - 1), band(0, 4);
  Qso made = qso(calls[a], calls[b], minute(random), kBands[band(random)]);
  const int fault = percent(random);
  if (fault < 2 && sendsLog(b)) return missingFromB(made);
  if (fault < 3 && sendsLog(b)) return aMiscopiesCall(made, miscopied(made.b));
  if (fault < 4) return aMiscopiesExchange(made, "1000");
  return made;
}

}  // namespace

Contest randomContest(int stations, int lines, std::uint32_t seed) {
  std::mt19937 random(seed);
  Contest contest("2025-11-29", 1200, Exchange::kFixed);
  std::set<std::string> unique;
  while (static_cast<int>(unique.size()) < stations) unique.insert(randomCall(random));
  const std::vector<std::string> calls(unique.begin(), unique.end());
  std::uniform_int_distribution<int> percent(0, 99), member(1, 999);
  for (std::size_t i = 0; i < calls.size(); ++i) {
    const std::string exchange = percent(random) < 70 ? std::to_string(member(random)) : "NM";
    contest.add(Station(calls[i], exchange, 0, sendsLog(i)));
  }
  std::uniform_int_distribution<std::size_t> pick(0, calls.size() - 1);
  for (int qsos = 0; qsos < lines / 2; ++qsos) {
    const std::size_t a = pick(random);
    std::size_t b = pick(random);
    while (b == a) b = pick(random);
    contest.add(randomQso(calls, a, b, random));
  }
  return contest;
}

}  // namespace synthetic
