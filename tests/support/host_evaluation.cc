#include "tests/support/host_evaluation.h"

#include <algorithm>
#include <iterator>

#include "plugin/export_calls.h"
#include "tests/support/qso_builder.h"

namespace testing_support {

namespace {

// What a host might pass for the arguments the plug-in does not read.
const export_calls::Unread kHostUnread{"x", nullptr, 9, 7, 1.5};

}  // namespace

int HostSession::reset(const char* contestant, int makeCabrillo) {
  COleDateTime start(oleDate(2016, 6, 12, 12, 0), COleDateTime::valid);
  COleDateTime end(oleDate(2016, 6, 13, 12, 0), COleDateTime::valid);
  export_calls::ResetArguments a(kHostUnread);
  a.makeCabrillo = makeCabrillo;
  a.contestant = contestant;
  a.periodStart = &start;
  a.periodEnd = &end;
  return export_calls::call(x_.resetStats, a);
}

int HostSession::add(const Qso& qso) { return send(x_.addData, qso); }

int HostSession::remove(const Qso& qso) { return send(x_.removeData, qso); }

int HostSession::send(decltype(&::AddData0) function, const Qso& q) {
  COleDateTime time(q.when, COleDateTime::valid), other(1.0, COleDateTime::valid);
  export_calls::QsoArguments a(kHostUnread);
  std::fill(std::begin(a.dates4to6), std::end(a.dates4to6), &other);
  a.myCall = "Q1QQQ";
  a.call = q.call;
  a.qsoTime = &time;
  a.frequency = q.frequencyHz;
  a.mode = q.mode;
  a.rstSent = a.rstRcvd = "599";
  a.exchSent = "001";
  a.exchRcvd = q.exchRcvd;
  a.hostTextA = "A";
  a.hostTextB = "B";
  a.band = q.band;
  return export_calls::call(function, a);
}

int HostSession::checkCall(const char* call, const char* band, char* exchOut) {
  export_calls::CheckCallArguments a(kHostUnread);
  a.call = call;
  a.mode = "CW";
  a.band = a.otherBand = band;
  a.exchOut = exchOut;
  return export_calls::call(x_.checkCall, a);
}

std::string runEvaluation(const Exports& exports, const char* contestant, int makeCabrillo) {
  HostSession host(exports);
  host.reset(contestant, makeCabrillo);
  const double day = oleDate(2016, 6, 12);
  host.add({"Q2QQ", "20m", "NM", day + 0.5});
  host.add({"Q3QQ", "20m", "123", day + 0.51});
  host.add({"Q2QQ", "20m", "NM", day + 0.52});  // a dupe
  host.add({"Q4QQ", "80m", "456", day + 0.6, "CW", 3550000});
  host.add({"Q5QQ", "160m", "789", day + 0.7});
  host.add({"Q6QQ", "40m", "789", day + 0.7, "SSB"});
  host.add({"Q7QQ", "40m", "", day + 0.7});
  host.add({"Q8QQ", "15m", "321", day + 0.8});
  host.add({"Q9QQ", "10m", "17", day + 0.9, "cw", 28012000});
  host.remove({"Q8QQ", "15m", "321", day + 0.8});
  int out = 0;
  return exports.getResult(&out);
}

}  // namespace testing_support
