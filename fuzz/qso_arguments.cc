#include "fuzz/qso_arguments.h"

namespace {

std::string textOf(const char* text) { return text ? text : ""; }

}  // namespace

QsoArguments readQsoArguments(HostInputs& in) {
  QsoArguments a;
  a.myCall = in.text();
  a.call = in.textOr({"Q2QQ", "Q3QQ", "q2qq", ""});
  a.qsoTime = in.date();
  for (Date& date : a.dates4to6) date = in.date();
  a.count7 = in.unsignedInteger();
  a.frequency = in.unsignedInteger();
  a.mode = in.textOr({"CW", "cw"});
  a.rstSent = in.text();
  a.rstRcvd = in.text();
  a.exchSent = in.textOr({"NM", "001"});
  a.exchRcvd = in.textOr({"NM", "1234"});
  for (const char*& text : a.texts14to22) text = in.text();
  a.hostTextA = in.text();
  for (int& integer : a.ints24to26) integer = in.integer();
  for (double& number : a.doubles27to28) number = in.number();
  a.text29 = in.text();
  a.hostTextB = in.text();
  a.text31 = in.text();
  a.band = in.textOr({"20m", "80M", "40m", "15m", "10m"});
  a.text33 = in.text();
  return a;
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
