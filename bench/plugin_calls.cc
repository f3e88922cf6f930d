#include "bench/plugin_calls.h"

#include "bench/contest_log.h"
#include "plugin/stats_exports.h"

namespace plugin_calls {
namespace {

constexpr char kUnused[] = "";

// AddData0 and RemoveData0 take the same 33 arguments.
int callWithQso(decltype(&::AddData0) function, const QsoFields& q) {
  const char* t = kUnused;
  return function(q.myCall, q.call, &q.time, &q.time, &q.time, &q.time, 0, q.frequency, q.mode,
                  q.rstSent, q.rstRcvd, q.exchSent, q.exchRcvd, t, t, t, t, t, t, t, t, t,
                  q.hostTextA, 0, 0, 0, 0.0, 0.0, t, q.hostTextB, t, q.band, t);
}

}  // namespace

int reset(int makeCabrillo) {
  const COleDateTime start = contest_log::contestStart();
  const COleDateTime end = contest_log::contestEnd();
  const char* t = kUnused;
  return ResetStats0(t, makeCabrillo, contest_log::kContestant, &start, &end, t, t, t, t, t, t, t,
                     t, t, t, 0, 0, 0, 0.0, 0.0, t, t, t);
}

int add(const QsoFields& qso) { return callWithQso(&::AddData0, qso); }

int remove(const QsoFields& qso) { return callWithQso(&::RemoveData0, qso); }

int check(const char* call, const char* band, char* exchOut) {
  const char* t = kUnused;
  return CheckCall0(call, 0, 0, "CW", t, t, t, t, t, t, t, t, t, t, 0, 0, 0, 0.0, 0.0, t, t, t, t,
                    t, band, band, exchOut, nullptr);
}

const char* result() {
  int out = 0;
  return GetResult0(&out);
}

}  // namespace plugin_calls
