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
    "_Z15GetNumberOfSetsv",
    "_Z10GetSetNamei",
    "_Z9SetupSet0v",
    "_Z19StatsGetExchgCount0PKcS0_S0_",
    "_Z8AddData0PKcS0_PK12COleDateTimeS3_S3_S3_jjS0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_"
    "iiiddS0_S0_S0_S0_S0_",
    "_Z11RemoveData0PKcS0_PK12COleDateTimeS3_S3_S3_jjS0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_"
    "iiiddS0_S0_S0_S0_S0_",
    "_Z11ResetStats0PKciS0_PK12COleDateTimeS3_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_iiiddS0_S0_S0_",
    "_Z14CheckCallFunc0PKcjjS0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_iiiddS0_S0_S0_S0_S0_S0_S0_PcS1_",
    "_Z18StatsIsValidExchg0PKcS0_S0_S0_iii",
    "_Z10GetResult0Pi",
};

const char* const kMicrosoftNames[kExportCount] = {
    "?GetNumberOfSets@@YAHXZ",
    "?GetSetName@@YAPBDH@Z",
    "?SetupSet0@@YAXXZ",
    "?StatsGetExchgCount0@@YAHPBD00@Z",
    "?AddData0@@YAHPBD0PBVCOleDateTime@@111II000000000000000HHHNN00000@Z",
    "?RemoveData0@@YAHPBD0PBVCOleDateTime@@111II000000000000000HHHNN00000@Z",
    "?ResetStats0@@YAHPBDH0PBVCOleDateTime@@10000000000HHHNN000@Z",
    "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z",
    "?StatsIsValidExchg0@@YAHPBD000HHH@Z",
    "?GetResult0@@YAPBDPAH@Z",
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
