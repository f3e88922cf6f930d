#include "bench/contest_log.h"

#include <algorithm>
#include <random>
#include <string>

namespace contest_log {
namespace {

const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m"};
const std::uint32_t kBandHz[] = {3525000, 7025000, 14025000, 21025000, 28025000};
constexpr int kBandCount = 5;
constexpr int kPercentDupes = 5;
constexpr int kQsosPerStation = 2;
constexpr int kDupeLookBackDivisor = 12;  // dupes repeat a QSO of the last two hours
constexpr char kOffBand[] = "160m";
constexpr char kOffMode[] = "SSB";

double oleDateOf(int year, int month, int day, int hour) {
  platform::SystemTime time;
  time.year = year;
  time.month = month;
  time.day = day;
  time.hour = hour;
  return static_cast<double>(platform::hourNumber(time)) / 24.0;
}

CString callSign(char prefix, int index) {
  std::string call(1, prefix);
  call += static_cast<char>('0' + index % 10);
  int rest = index / 10;
  for (int letters = 0; letters < 2 || rest > 0; ++letters, rest /= 26) {
    call += static_cast<char>('A' + rest % 26);
  }
  return CString(call.c_str());
}

class Generator {
 public:
  explicit Generator(int count)
      : count_(count),
        nextBand_(std::max(1, count / kQsosPerStation), -1),
        random_(static_cast<std::mt19937::result_type>(count)) {}

  std::vector<QsoFields> run() {
    std::vector<QsoFields> qsos;
    qsos.reserve(static_cast<std::size_t>(count_));
    for (int i = 0; i < count_; ++i) qsos.push_back(next(qsos));
    return qsos;
  }

 private:
  QsoFields next(const std::vector<QsoFields>& earlier) {
    const int roll = draw(100);
    QsoFields qso = (roll < kPercentDupes && !earlier.empty()) ? dupeOf(earlier) : freshQso();
    if (roll == kPercentDupes) spoil(qso, earlier.size());
    qso.time =
        COleDateTime(contestStart().m_dt + (earlier.size() + 0.5) / count_, COleDateTime::valid);
    return qso;
  }

  QsoFields freshQso() {
    const int station = draw(static_cast<int>(nextBand_.size()));
    int& band = nextBand_[static_cast<std::size_t>(station)];
    band = (band < 0 ? draw(kBandCount) : band + 1) % kBandCount;
    QsoFields qso;
    qso.myCall = kContestant;
    qso.call = callSign('Q', station);
    qso.frequency = kBandHz[band] + static_cast<std::uint32_t>(draw(30000));
    qso.mode = "CW";
    qso.rstSent = "599";
    qso.rstRcvd = "599";
    qso.exchSent = "4711";
    qso.exchRcvd = station % 5 == 0 ? CString("NM") : CString(std::to_string(100 + station % 9900));
    qso.band = kBands[band];
    return qso;
  }

  // Every other spoiled QSO is off the contest's bands, the others off its mode.
  static void spoil(QsoFields& qso, std::size_t index) {
    if (index % 2) {
      qso.mode = kOffMode;
    } else {
      qso.band = kOffBand;
    }
  }

  QsoFields dupeOf(const std::vector<QsoFields>& earlier) {
    const int lookBack =
        std::min(static_cast<int>(earlier.size()), count_ / kDupeLookBackDivisor + 1);
    return earlier[earlier.size() - 1 - static_cast<std::size_t>(draw(lookBack))];
  }

  int draw(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

  int count_;
  std::vector<int> nextBand_;  // per station: the band of its last QSO, -1 before the first
  std::mt19937 random_;
};

}  // namespace

COleDateTime contestStart() {
  return COleDateTime(oleDateOf(2016, 11, 26, 12), COleDateTime::valid);
}

COleDateTime contestEnd() { return COleDateTime(oleDateOf(2016, 11, 27, 12), COleDateTime::valid); }

std::vector<QsoFields> generate(int count) { return Generator(count).run(); }

std::vector<QsoFields> accepted(const std::vector<QsoFields>& qsos) {
  std::vector<QsoFields> kept;
  for (const QsoFields& qso : qsos) {
    if (qso.mode != kOffMode && qso.band != kOffBand) kept.push_back(qso);
  }
  return kept;
}

CString unknownCall(int index) { return callSign('X', index); }

}  // namespace contest_log
