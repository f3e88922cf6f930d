#include "plugin/state.h"

#include "cabrillo/cabrillo_texts.h"
#include "log/rule_set.h"

CTestApp theApp;
CContestRules g_modes(rules::zvkCwRules().modes);
CContestRules g_bands(rules::zvkCwRules().bands);
CStationData g_station;
CQsoLog g_log;
CStringArray g_workedBands;
CString g_ubnPath;
CString g_contestant;
CString g_periodFrom;
CString g_periodTo;
CString g_fileDate;
CString g_iniSection(cabrillo::kSettingsSection);
CString g_iniFile(cabrillo::kSettingsFile);
CString g_resultText;
std::int32_t g_claimedScore = 0;
std::int32_t g_cabrilloEnabled = 0;
