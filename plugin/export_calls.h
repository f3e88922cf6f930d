#ifndef ZVK_PLUGIN_EXPORT_CALLS_H_
#define ZVK_PLUGIN_EXPORT_CALLS_H_

#include "plugin/stats_exports.h"

// The long argument lists of ResetStats0 (23 arguments), CheckCall0 (28),
// AddData0 and RemoveData0 (33), spelled out once for the programs that call
// the exports. Each argument is a member, named after what the plug-in reads
// or after its position; the ones it does not read start as `Unread` says.
namespace export_calls {

struct Unread {
  Text text = "";
  Date date = nullptr;
  unsigned count = 0;
  int integer = 0;
  double number = 0.0;
};

struct ResetArguments {
  explicit ResetArguments(const Unread& unread = {});
  Text text1;
  int makeCabrillo = 0;
  Text contestant = "";
  Date periodStart = nullptr, periodEnd = nullptr;
  Text texts6to15[10];
  int ints16to18[3];
  double doubles19to20[2];
  Text texts21to23[3];
};

struct CheckCallArguments {
  explicit CheckCallArguments(const Unread& unread = {});
  Text call = "";
  unsigned counts2to3[2];
  Text mode = "";
  Text texts5to14[10];
  int ints15to17[3];
  double doubles18to19[2];
  Text texts20to24[5];
  Text band = "", otherBand = "";
  char* exchOut = nullptr;
  char* buffer28 = nullptr;
};

struct QsoArguments {
  explicit QsoArguments(const Unread& unread = {});
  Text myCall = "", call = "";
  Date qsoTime = nullptr;
  Date dates4to6[3];
  unsigned count7;
  unsigned frequency = 0;
  Text mode = "", rstSent = "", rstRcvd = "", exchSent = "", exchRcvd = "";
  Text texts14to22[9];
  Text hostTextA = "";
  int ints24to26[3];
  double doubles27to28[2];
  Text text29;
  Text hostTextB = "";
  Text text31;
  Text band = "";
  Text text33;
};

int call(decltype(&::ResetStats0) function, const ResetArguments& a);
int call(decltype(&c_names::CheckCall0) function, const CheckCallArguments& a);
// AddData0 or RemoveData0.
int call(decltype(&::AddData0) function, const QsoArguments& a);

}  // namespace export_calls

#endif  // ZVK_PLUGIN_EXPORT_CALLS_H_
