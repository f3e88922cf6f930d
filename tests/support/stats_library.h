#ifndef ZVK_TESTS_SUPPORT_STATS_LIBRARY_H_
#define ZVK_TESTS_SUPPORT_STATS_LIBRARY_H_

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "plugin/stats_exports.h"

namespace testing_support {

// The ten exports of a loaded plug-in, reached through one set of names.
struct Exports {
  decltype(&::GetNumberOfSets) getNumberOfSets;
  decltype(&::GetSetName) getSetName;
  decltype(&::SetupSet0) setupSet;
  decltype(&c_names::GetExchgCount0) getExchgCount;
  decltype(&::AddData0) addData;
  decltype(&::RemoveData0) removeData;
  decltype(&::ResetStats0) resetStats;
  decltype(&c_names::CheckCall0) checkCall;
  decltype(&c_names::IsValidExchg0) isValidExchg;
  decltype(&::GetResult0) getResult;
};

constexpr int kExportCount = 10;
// In the order of the Exports members.
extern const char* const kPlainNames[kExportCount];
extern const char* const kDecoratedNames[kExportCount];
// The Microsoft C++ decorations Stats.dll adds (plugin/stats.def).
extern const char* const kMicrosoftNames[kExportCount];

// One set of names as a test parameter, shown by its label.
struct ExportNaming {
  const char* label;
  const char* const* names;
};
inline void PrintTo(const ExportNaming& naming, std::ostream* out) { *out << naming.label; }
constexpr ExportNaming kPlainNaming{"Plain", kPlainNames};
constexpr ExportNaming kDecoratedNaming{"Decorated", kDecoratedNames};
constexpr ExportNaming kMicrosoftNaming{"Microsoft", kMicrosoftNames};
// Test names for parameters of ExportNaming: the label.
inline std::string namingLabel(const ::testing::TestParamInfo<ExportNaming>& info) {
  return info.param.label;
}

// Address of an exported name in the loaded library (dlsym, GetProcAddress); nullptr if missing.
using SymbolLookup = std::function<void*(const char* name)>;

// Resolves every export under `names`; false, with the first missing name, when one is absent.
bool resolveExports(const SymbolLookup& lookup, const char* const* names, Exports* exports,
                    std::string* missing);

}  // namespace testing_support

#endif  // ZVK_TESTS_SUPPORT_STATS_LIBRARY_H_
