#ifndef ZVK_PLUGIN_STATS_EXPORTS_H_
#define ZVK_PLUGIN_STATS_EXPORTS_H_

// The plug-in's exported interface, for hosts written in C++.
//
// 1. Every function uses the C calling convention; texts are zero-terminated
//    8-bit strings in the system's code page; a null text counts as empty.
// 2. Dates are pointers to COleDateTime (16 bytes: an OLE automation date and
//    a status, 0 valid, 1 invalid, 2 null); a null pointer counts as a null date.
// 3. Returned texts are owned by the plug-in and stay valid until the next
//    call of the same function.
// 4. Results: 1 yes or success, 0 no or rejected; CheckCall0 also answers 4
//    for a QSO outside the contest.
// 5. Each function is exported twice with one body: under its plain C name,
//    declared here in namespace c_names (the namespace is not part of a C
//    name), and as a C++ function at global scope, as C++ hosts declare it
//    (GetExchgCount0, CheckCall0 and IsValidExchg0 there carry the names
//    StatsGetExchgCount0, CheckCallFunc0 and StatsIsValidExchg0).

#include "platform/export.h"
#include "platform/ole_date_time.h"

using Text = const char*;
using Date = const COleDateTime*;

// The QSO argument list of AddData0 and RemoveData0 (33 arguments).
#define ZVK_QSO_PARAMS                                                                             \
  Text myCall, Text call, Date qsoTime, Date, Date, Date, unsigned, unsigned frequency, Text mode, \
      Text rstSent, Text rstRcvd, Text exchSent, Text exchRcvd, Text, Text, Text, Text, Text,      \
      Text, Text, Text, Text, Text hostTextA, int, int, int, double, double, Text, Text hostTextB, \
      Text, Text band, Text

// ResetStats0's 23 arguments.
#define ZVK_RESET_PARAMS                                                                       \
  Text, int makeCabrillo, Text contestant, Date periodStart, Date periodEnd, Text, Text, Text, \
      Text, Text, Text, Text, Text, Text, Text, int, int, int, double, double, Text, Text, Text

// CheckCall0's 28 arguments.
#define ZVK_CHECK_CALL_PARAMS                                                                     \
  Text call, unsigned, unsigned, Text mode, Text, Text, Text, Text, Text, Text, Text, Text, Text, \
      Text, int, int, int, double, double, Text, Text, Text, Text, Text, Text band,               \
      Text otherBand, char *exchOut, char *

#define ZVK_EXCHANGE_PARAMS Text exch, Text, Text, Text, int, int, int

#define ZVK_DECLARE_EXPORTS(GetExchgCount, CheckCall, IsValidExchg) \
  ZVK_EXPORT int ZVK_CDECL GetNumberOfSets();                       \
  ZVK_EXPORT const char* ZVK_CDECL GetSetName(int index);           \
  ZVK_EXPORT void ZVK_CDECL SetupSet0();                            \
  ZVK_EXPORT int ZVK_CDECL GetExchgCount(Text, Text, Text);         \
  ZVK_EXPORT int ZVK_CDECL AddData0(ZVK_QSO_PARAMS);                \
  ZVK_EXPORT int ZVK_CDECL RemoveData0(ZVK_QSO_PARAMS);             \
  ZVK_EXPORT int ZVK_CDECL ResetStats0(ZVK_RESET_PARAMS);           \
  ZVK_EXPORT int ZVK_CDECL CheckCall(ZVK_CHECK_CALL_PARAMS);        \
  ZVK_EXPORT int ZVK_CDECL IsValidExchg(ZVK_EXCHANGE_PARAMS);       \
  ZVK_EXPORT const char* ZVK_CDECL GetResult0(int* out);

namespace c_names {
extern "C" {
ZVK_DECLARE_EXPORTS(GetExchgCount0, CheckCall0, IsValidExchg0)
}
}  // namespace c_names

ZVK_DECLARE_EXPORTS(StatsGetExchgCount0, CheckCallFunc0, StatsIsValidExchg0)

#endif  // ZVK_PLUGIN_STATS_EXPORTS_H_
