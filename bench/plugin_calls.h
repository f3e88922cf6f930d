#ifndef ZVK_BENCH_PLUGIN_CALLS_H_
#define ZVK_BENCH_PLUGIN_CALLS_H_

#include "log/qso_fields.h"

// The plug-in's exports called with the argument lists a host passes.
namespace plugin_calls {

// ResetStats0 for the generated contest's period and contestant.
int reset(int makeCabrillo);
int add(const QsoFields& qso);
int remove(const QsoFields& qso);
int check(const char* call, const char* band, char* exchOut);
const char* result();

}  // namespace plugin_calls

#endif  // ZVK_BENCH_PLUGIN_CALLS_H_
