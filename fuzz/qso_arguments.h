#ifndef ZVK_FUZZ_QSO_ARGUMENTS_H_
#define ZVK_FUZZ_QSO_ARGUMENTS_H_

#include "fuzz/contest_model.h"
#include "fuzz/host_inputs.h"
#include "plugin/export_calls.h"

using export_calls::QsoArguments;
using QsoExport = decltype(&::AddData0);

// The 33 arguments of AddData0 and RemoveData0, decoded from fuzz input.
QsoArguments readQsoArguments(HostInputs& in);
// The record the plug-in stores for these arguments.
ContestModel::Qso recordOf(const QsoArguments& a);

#endif  // ZVK_FUZZ_QSO_ARGUMENTS_H_
