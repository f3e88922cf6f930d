#include "bench/plugin_calls.h"

#include "bench/contest_log.h"
#include "plugin/export_calls.h"

namespace plugin_calls {
namespace {

// AddData0 and RemoveData0 take the same 33 arguments.
int callWithQso(decltype(&::AddData0) function, const QsoFields& q) {
  export_calls::QsoArguments a({"", &q.time});
  a.myCall = q.myCall;
  a.call = q.call;
  a.qsoTime = &q.time;
  a.frequency = q.frequency;
  a.mode = q.mode;
  a.rstSent = q.rstSent;
  a.rstRcvd = q.rstRcvd;
  a.exchSent = q.exchSent;
  a.exchRcvd = q.exchRcvd;
  a.hostTextA = q.hostTextA;
  a.hostTextB = q.hostTextB;
  a.band = q.band;
  return export_calls::call(function, a);
}

}  // namespace

int reset(int makeCabrillo) {
  const COleDateTime start = contest_log::contestStart();
  const COleDateTime end = contest_log::contestEnd();
  export_calls::ResetArguments a;
  a.makeCabrillo = makeCabrillo;
  a.contestant = contest_log::kContestant;
  a.periodStart = &start;
  a.periodEnd = &end;
  return export_calls::call(&c_names::ResetStats0, a);
}

int add(const QsoFields& qso) { return callWithQso(&c_names::AddData0, qso); }

int remove(const QsoFields& qso) { return callWithQso(&c_names::RemoveData0, qso); }

int check(const char* call, const char* band, char* exchOut) {
  export_calls::CheckCallArguments a;
  a.call = call;
  a.mode = "CW";
  a.band = a.otherBand = band;
  a.exchOut = exchOut;
  return export_calls::call(&c_names::CheckCall0, a);
}

const char* result() {
  int out = 0;
  return GetResult0(&out);
}

}  // namespace plugin_calls
