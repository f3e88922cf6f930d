#include "tests/support/host_evaluation.h"

#include "tests/support/qso_builder.h"

namespace testing_support {

int HostSession::reset(const char* contestant, int makeCabrillo) {
  COleDateTime start(oleDate(2016, 6, 12, 12, 0), COleDateTime::valid);
  COleDateTime end(oleDate(2016, 6, 13, 12, 0), COleDateTime::valid);
  const char* t = "x";
  return x_.resetStats(t, makeCabrillo, contestant, &start, &end, t, t, t, t, t, t, t, t, t, t, 7,
                       7, 7, 1.5, 1.5, t, t, t);
}

int HostSession::add(const Qso& qso) { return send(x_.addData, qso); }

int HostSession::remove(const Qso& qso) { return send(x_.removeData, qso); }

int HostSession::send(decltype(&::AddData0) function, const Qso& q) {
  COleDateTime time(q.when, COleDateTime::valid), other(1.0, COleDateTime::valid);
  const char* t = "x";
  return function("Q1QQQ", q.call, &time, &other, &other, &other, 9, q.frequencyHz, q.mode, "599",
                  "599", "001", q.exchRcvd, t, t, t, t, t, t, t, t, t, "A", 1, 2, 3, 0.5, 0.5, t,
                  "B", t, q.band, t);
}

int HostSession::checkCall(const char* call, const char* band, char* exchOut) {
  const char* t = "x";
  return x_.checkCall(call, 1, 2, "CW", t, t, t, t, t, t, t, t, t, t, 1, 2, 3, 0.5, 0.5, t, t, t, t,
                      t, band, band, exchOut, nullptr);
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
