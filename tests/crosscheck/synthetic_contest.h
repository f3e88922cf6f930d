#ifndef ZVK_TESTS_CROSSCHECK_SYNTHETIC_CONTEST_H_
#define ZVK_TESTS_CROSSCHECK_SYNTHETIC_CONTEST_H_

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Synthetic contests for the cross-check's tests and benchmark: stations,
// their QSOs, faults injected into either half of a QSO, and the judgement
// each logged line must get.
namespace synthetic {

struct Station {
  explicit Station(std::string call, std::string exchange = "NM", int clockMinutes = 0,
                   bool sendsLog = true)
      : call(std::move(call)),
        exchange(std::move(exchange)),
        clockMinutes(clockMinutes),
        sendsLog(sendsLog) {}

  std::string call;
  std::string exchange;  // fixed exchange sent ("NM", a member number); unused for serials
  int clockMinutes = 0;  // the log's clock runs this far ahead
  bool sendsLog = true;
  std::vector<std::string> header;  // extra header lines ("CATEGORY-POWER: LOW")
};

// One QSO between `a` and `b` and how each side logs it. A field left empty
// means "as it really was".
struct Qso {
  std::string a;
  std::string b;
  int minute = 0;  // true time, minutes after the contest's first minute
  std::string band = "40m";
  std::string mode = "CW";
  std::string aLogsCall;  // a's copy of b's call
  std::string aLogsRcvd;  // a's copy of b's exchange
  bool bLogs = true;      // false: not in b's log
  int bLateMinutes = 0;   // b logs it this much later (on top of its clock)
  std::string bLogsCall;
  std::string bLogsRcvd;
  // The judgements a's and b's lines must get, and busted-call's correct call.
  std::string aResult = "ok";
  std::string bResult = "ok";
  std::string aCorrectCall;
  std::string bCorrectCall;
};

// A clean QSO: both log it as it was, both lines ok.
Qso qso(std::string a, std::string b, int minute, std::string band = "40m",
        std::string mode = "CW");

// The faults, each with the judgements it calls for.
Qso missingFromB(Qso qso);                          // a: not-in-log
Qso aMiscopiesCall(Qso qso, std::string copy);      // a: busted-call naming b; b: ok
Qso aMiscopiesExchange(Qso qso, std::string copy);  // a: busted-exchange; b: ok
Qso bLogsLater(Qso qso, int minutes);               // both ok
Qso judged(Qso qso, std::string aResult, std::string bResult = "ok");

struct Expected {
  std::string result;
  std::string correctCall;
};

enum class Exchange { kFixed, kSerial };

class Contest {
 public:
  // `firstMinute`: "2025-11-29 12:00" style start, as date and HHMM.
  Contest(std::string date, int startHhmm, Exchange exchange);

  void add(const Station& station);
  void add(const Qso& qso);

  // One Cabrillo file per station that sends a log, <call>.log in `dir`;
  // returns the file names written.
  std::vector<std::string> write(const std::string& dir);
  // After write: by (call, line), the judgement the line must get.
  const std::map<std::pair<std::string, int>, Expected>& expected() const { return expected_; }
  std::size_t lineCount() const;

 private:
  struct LoggedLine {
    int minute;
    std::string band, mode, call, sent, rcvd;
    Expected expected;
  };
  void log(const std::string& station, LoggedLine line);
  std::string sentBy(const std::string& call);
  std::string fileText(const Station& station, std::vector<LoggedLine>& lines);

  std::string date_;
  int startMinutes_;
  Exchange exchange_;
  std::map<std::string, Station> stations_;
  std::map<std::string, std::vector<LoggedLine>> logs_;
  std::map<std::string, int> serials_;
  std::map<std::pair<std::string, int>, Expected> expected_;
};

// A random contest for the benchmark: `stations` stations (one in fifty
// sends no log), about `lines` logged lines in total over a day, 2 % of QSOs
// missing from one log and 2 % with a miscopied call or exchange.
Contest randomContest(int stations, int lines, std::uint32_t seed);

}  // namespace synthetic

#endif  // ZVK_TESTS_CROSSCHECK_SYNTHETIC_CONTEST_H_
