// The exported interface: each export converts its arguments, calls one
// operation and returns. Conventions are listed in plugin/stats_exports.h.
// No exception reaches the host: `guarded` answers with the defined result,
// and the conversion runs inside it too, since building texts allocates.
#include "checks/call_check.h"
#include "checks/exchange_check.h"
#include "log/add_qso.h"
#include "log/remove_qso.h"
#include "plugin/arguments.h"
#include "plugin/contest_operations.h"
#include "plugin/state.h"
#include "plugin/stats_exports.h"

using platform::Env;

namespace c_names {
extern "C" {

int GetNumberOfSets() { return 1; }

const char* GetSetName(int index) { return setName(index); }

void SetupSet0() {
  guarded(0, [] { return showSetupMessage(Env::current()), 0; });
}

int GetExchgCount0(Text, Text, Text) { return 1; }

int AddData0(ZVK_QSO_PARAMS) {
  return guarded(0, [&] {
    const QsoFields qso = qsoFields(ZVK_QSO_FIELD_ARGS);
    return addQso(qso, g_bands, g_modes, {g_log, g_workedBands, g_ubnPath}, Env::current());
  });
}

int RemoveData0(ZVK_QSO_PARAMS) {
  return guarded(0, [&] { return removeQso(qsoFields(ZVK_QSO_FIELD_ARGS), g_modes, g_log); });
}

int ResetStats0(ZVK_RESET_PARAMS) {
  return guarded(1, [&] {
    const ResetRequest request{makeCabrillo, text(contestant), date(periodStart), date(periodEnd)};
    return resetStatistics(request, Env::current());
  });
}

int CheckCall0(ZVK_CHECK_CALL_PARAMS) {
  return guarded(static_cast<int>(kNoContestQso), [&] {
    const CallQuery query{call ? call : "", mode ? mode : "", band ? band : "", otherBand};
    return checkCall(query, g_bands, g_modes, g_log, exchOut, Env::current());
  });
}

int IsValidExchg0(ZVK_EXCHANGE_PARAMS) { return isValidExchange(exch); }

const char* GetResult0(int* out) {
  return guarded(static_cast<const char*>(""), [&] { return buildResult(out, Env::current()); });
}

}  // extern "C"
}  // namespace c_names

// The decorated names are aliases of the bodies above, which throw nothing.
// gcc wants the alias to say so; clang takes nothrow for an exception rule
// that the declaration lacks, and refuses it.
#if defined(__clang__)
#define ZVK_SAME_BODY_AS(name) __attribute__((alias(#name)))
#else
#define ZVK_SAME_BODY_AS(name) __attribute__((nothrow, alias(#name)))
#endif
int GetNumberOfSets() ZVK_SAME_BODY_AS(GetNumberOfSets);
const char* GetSetName(int) ZVK_SAME_BODY_AS(GetSetName);
void SetupSet0() ZVK_SAME_BODY_AS(SetupSet0);
int StatsGetExchgCount0(Text, Text, Text) ZVK_SAME_BODY_AS(GetExchgCount0);
int AddData0(ZVK_QSO_PARAMS) ZVK_SAME_BODY_AS(AddData0);
int RemoveData0(ZVK_QSO_PARAMS) ZVK_SAME_BODY_AS(RemoveData0);
int ResetStats0(ZVK_RESET_PARAMS) ZVK_SAME_BODY_AS(ResetStats0);
int CheckCallFunc0(ZVK_CHECK_CALL_PARAMS) ZVK_SAME_BODY_AS(CheckCall0);
int StatsIsValidExchg0(ZVK_EXCHANGE_PARAMS) ZVK_SAME_BODY_AS(IsValidExchg0);
const char* GetResult0(int*) ZVK_SAME_BODY_AS(GetResult0);
