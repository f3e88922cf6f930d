#include "plugin/export_calls.h"

#include <algorithm>
#include <iterator>

namespace export_calls {
namespace {

template <class Value, std::size_t count>
void fill(Value (&values)[count], Value value) {
  std::fill(std::begin(values), std::end(values), value);
}

}  // namespace

ResetArguments::ResetArguments(const Unread& unread) : text1(unread.text) {
  fill(texts6to15, unread.text);
  fill(ints16to18, unread.integer);
  fill(doubles19to20, unread.number);
  fill(texts21to23, unread.text);
}

CheckCallArguments::CheckCallArguments(const Unread& unread) {
  fill(counts2to3, unread.count);
  fill(texts5to14, unread.text);
  fill(ints15to17, unread.integer);
  fill(doubles18to19, unread.number);
  fill(texts20to24, unread.text);
}

QsoArguments::QsoArguments(const Unread& unread)
    : count7(unread.count), text29(unread.text), text31(unread.text), text33(unread.text) {
  fill(dates4to6, unread.date);
  fill(texts14to22, unread.text);
  fill(ints24to26, unread.integer);
  fill(doubles27to28, unread.number);
}

int call(decltype(&::ResetStats0) function, const ResetArguments& a) {
  const Text* t = a.texts6to15;
  return function(a.text1, a.makeCabrillo, a.contestant, a.periodStart, a.periodEnd, t[0], t[1],
                  t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], a.ints16to18[0], a.ints16to18[1],
                  a.ints16to18[2], a.doubles19to20[0], a.doubles19to20[1], a.texts21to23[0],
                  a.texts21to23[1], a.texts21to23[2]);
}

int call(decltype(&c_names::CheckCall0) function, const CheckCallArguments& a) {
  const Text* t = a.texts5to14;
  const Text* u = a.texts20to24;
  return function(a.call, a.counts2to3[0], a.counts2to3[1], a.mode, t[0], t[1], t[2], t[3], t[4],
                  t[5], t[6], t[7], t[8], t[9], a.ints15to17[0], a.ints15to17[1], a.ints15to17[2],
                  a.doubles18to19[0], a.doubles18to19[1], u[0], u[1], u[2], u[3], u[4], a.band,
                  a.otherBand, a.exchOut, a.buffer28);
}

int call(decltype(&::AddData0) function, const QsoArguments& a) {
  const Text* t = a.texts14to22;
  const Date* d = a.dates4to6;
  return function(a.myCall, a.call, a.qsoTime, d[0], d[1], d[2], a.count7, a.frequency, a.mode,
                  a.rstSent, a.rstRcvd, a.exchSent, a.exchRcvd, t[0], t[1], t[2], t[3], t[4], t[5],
                  t[6], t[7], t[8], a.hostTextA, a.ints24to26[0], a.ints24to26[1], a.ints24to26[2],
                  a.doubles27to28[0], a.doubles27to28[1], a.text29, a.hostTextB, a.text31, a.band,
                  a.text33);
}

}  // namespace export_calls
