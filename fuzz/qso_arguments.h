#ifndef ZVK_FUZZ_QSO_ARGUMENTS_H_
#define ZVK_FUZZ_QSO_ARGUMENTS_H_

#include "fuzz/contest_model.h"
#include "fuzz/host_inputs.h"
#include "plugin/stats_exports.h"

// The 33 arguments of AddData0 and RemoveData0, decoded from fuzz input.
struct QsoArguments {
  const char *myCall, *call;
  const COleDateTime *qsoTime, *date4, *date5, *date6;
  unsigned unsigned7, frequency;
  const char *mode, *rstSent, *rstRcvd, *exchSent, *exchRcvd;
  const char* texts14to22[9];
  const char* hostTextA;
  int int24, int25, int26;
  double double27, double28;
  const char *text29, *hostTextB, *text31, *band, *text33;
};

using QsoExport = decltype(&::AddData0);

QsoArguments readQsoArguments(HostInputs& in);
int callWith(QsoExport function, const QsoArguments& a);
// The record the plug-in stores for these arguments.
ContestModel::Qso recordOf(const QsoArguments& a);

#endif  // ZVK_FUZZ_QSO_ARGUMENTS_H_
