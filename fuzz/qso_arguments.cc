#include "fuzz/qso_arguments.h"

namespace {

std::string textOf(const char* text) { return text ? text : ""; }

}  // namespace

QsoArguments readQsoArguments(HostInputs& in) {
  QsoArguments a;
  a.myCall = in.text();
  a.call = in.textOr({"Q2QQ", "Q3QQ", "q2qq", ""});
  a.qsoTime = in.date();
  a.date4 = in.date();
  a.date5 = in.date();
  a.date6 = in.date();
  a.unsigned7 = in.unsignedInteger();
  a.frequency = in.unsignedInteger();
  a.mode = in.textOr({"CW", "cw"});
  a.rstSent = in.text();
  a.rstRcvd = in.text();
  a.exchSent = in.textOr({"NM", "001"});
  a.exchRcvd = in.textOr({"NM", "1234"});
  for (const char*& text : a.texts14to22) text = in.text();
  a.hostTextA = in.text();
  a.int24 = in.integer();
  a.int25 = in.integer();
  a.int26 = in.integer();
  a.double27 = in.number();
  a.double28 = in.number();
  a.text29 = in.text();
  a.hostTextB = in.text();
  a.text31 = in.text();
  a.band = in.textOr({"20m", "80M", "40m", "15m", "10m"});
  a.text33 = in.text();
  return a;
}

int callWith(QsoExport function, const QsoArguments& a) {
  const char* const* t = a.texts14to22;
  return function(a.myCall, a.call, a.qsoTime, a.date4, a.date5, a.date6, a.unsigned7, a.frequency,
                  a.mode, a.rstSent, a.rstRcvd, a.exchSent, a.exchRcvd, t[0], t[1], t[2], t[3],
                  t[4], t[5], t[6], t[7], t[8], a.hostTextA, a.int24, a.int25, a.int26, a.double27,
                  a.double28, a.text29, a.hostTextB, a.text31, a.band, a.text33);
}

ContestModel::Qso recordOf(const QsoArguments& a) {
  ContestModel::Qso qso;
  qso.call = textOf(a.call);
  qso.band = textOf(a.band);
  qso.mode = textOf(a.mode);
  qso.exchRcvd = textOf(a.exchRcvd);
  qso.exchSent = textOf(a.exchSent);
  qso.rstRcvd = textOf(a.rstRcvd);
  qso.rstSent = textOf(a.rstSent);
  qso.hostTextA = textOf(a.hostTextA);
  qso.hostTextB = textOf(a.hostTextB);
  qso.frequencyKHz = static_cast<std::int32_t>(a.frequency / 1000);
  qso.time = a.qsoTime ? *a.qsoTime : COleDateTime(0.0, COleDateTime::null);
  return qso;
}
