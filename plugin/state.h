#ifndef ZVK_PLUGIN_STATE_H_
#define ZVK_PLUGIN_STATE_H_

#include <cstdint>

#include "cabrillo/station_data.h"
#include "log/contest_rules.h"
#include "log/qso_log.h"
#include "plugin/test_app.h"

// The process-wide contest state, built at load in the order of
// plugin/state.cc and torn down in reverse at unload.
extern CTestApp theApp;
extern CContestRules g_modes;
extern CContestRules g_bands;
extern CStationData g_station;
extern CQsoLog g_log;
extern CStringArray g_workedBands;
extern CString g_ubnPath;
extern CString g_contestant;
extern CString g_periodFrom;
extern CString g_periodTo;
extern CString g_fileDate;
extern CString g_iniSection;
extern CString g_iniFile;
extern CString g_resultText;
extern std::int32_t g_claimedScore;
extern std::int32_t g_cabrilloEnabled;

#endif  // ZVK_PLUGIN_STATE_H_
