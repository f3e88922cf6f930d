#include "tests/support/stats_library.h"

namespace testing_support {
namespace {

template <class Function>
bool resolve(const SymbolLookup& lookup, const char* name, Function* function,
             std::string* missing) {
  *function = reinterpret_cast<Function>(lookup(name));
  if (!*function && missing->empty()) *missing = name;
  return *function != nullptr;
}

}  // namespace

const char* const kPlainNames[kExportCount] = {
    "GetNumberOfSets", "GetSetName",  "SetupSet0",  "GetExchgCount0", "AddData0",
    "RemoveData0",     "ResetStats0", "CheckCall0", "IsValidExchg0",  "GetResult0"};

const char* const kDecoratedNames[kExportCount] = {
    "_ZN5Stats15GetNumberOfSetsEv",
    "_ZN5Stats10GetSetNameEi",
    "_ZN5Stats9SetupSet0Ev",
    "_ZN5Stats19StatsGetExchgCount0EPKcS1_S1_",
    "_ZN5Stats8AddData0EPKcS1_PK12COleDateTimeS4_S4_S4_jjS1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_"
    "S1_S1_iiiddS1_S1_S1_S1_S1_",
    "_ZN5Stats11RemoveData0EPKcS1_PK12COleDateTimeS4_S4_S4_jjS1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_"
    "S1_S1_S1_S1_iiiddS1_S1_S1_S1_S1_",
    "_ZN5Stats11ResetStats0EPKciS1_PK12COleDateTimeS4_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_iiiddS1_S1_"
    "S1_",
    "_ZN5Stats14CheckCallFunc0EPKcjjS1_S1_S1_S1_S1_S1_S1_S1_S1_S1_S1_iiiddS1_S1_S1_S1_S1_S1_S1_"
    "PcS2_",
    "_ZN5Stats18StatsIsValidExchg0EPKcS1_S1_S1_iii",
    "_ZN5Stats10GetResult0EPi",
};

const char* const kMicrosoftNames[kExportCount] = {
    "?GetNumberOfSets@Stats@@YAHXZ",
    "?GetSetName@Stats@@YAPBDH@Z",
    "?SetupSet0@Stats@@YAXXZ",
    "?StatsGetExchgCount0@Stats@@YAHPBD00@Z",
    "?AddData0@Stats@@YAHPBD0PBVCOleDateTime@@111II000000000000000HHHNN00000@Z",
    "?RemoveData0@Stats@@YAHPBD0PBVCOleDateTime@@111II000000000000000HHHNN00000@Z",
    "?ResetStats0@Stats@@YAHPBDH0PBVCOleDateTime@@10000000000HHHNN000@Z",
    "?CheckCallFunc0@Stats@@YAHPBDII00000000000HHHNN0000000PAD1@Z",
    "?StatsIsValidExchg0@Stats@@YAHPBD000HHH@Z",
    "?GetResult0@Stats@@YAPBDPAH@Z",
};

bool resolveExports(const SymbolLookup& lookup, const char* const* names, Exports* e,
                    std::string* missing) {
  missing->clear();
  bool all = resolve(lookup, names[0], &e->getNumberOfSets, missing);
  all = resolve(lookup, names[1], &e->getSetName, missing) && all;
  all = resolve(lookup, names[2], &e->setupSet, missing) && all;
  all = resolve(lookup, names[3], &e->getExchgCount, missing) && all;
  all = resolve(lookup, names[4], &e->addData, missing) && all;
  all = resolve(lookup, names[5], &e->removeData, missing) && all;
  all = resolve(lookup, names[6], &e->resetStats, missing) && all;
  all = resolve(lookup, names[7], &e->checkCall, missing) && all;
  all = resolve(lookup, names[8], &e->isValidExchg, missing) && all;
  return resolve(lookup, names[9], &e->getResult, missing) && all;
}

}  // namespace testing_support
