#include "plugin/state.h"

namespace {

const char* const kModes[] = {"CW"};
// "80m" twice, as the contest's rules have always listed it; only lookups use the list.
const char* const kBands[] = {"80m", "80m", "40m", "20m", "15m", "10m"};

}  // namespace

CTestApp theApp;
CContestRules g_modes(kModes, 1);
CContestRules g_bands(kBands, 6);
CStationData g_station;
CQsoLog g_log;
CStringArray g_workedBands;
CString g_ubnPath;
CString g_contestant;
CString g_periodFrom;
CString g_periodTo;
CString g_fileDate;
CString g_iniSection("Settings");
CString g_iniFile("Plugins\\ZVK-CW.ini");
CString g_resultText;
std::int32_t g_claimedScore = 0;
std::int32_t g_cabrilloEnabled = 0;
