#include "score/cabrillo_pass.h"

namespace {

constexpr char kContestMode[] = "CW";
constexpr char kOtherMode[] = "??";
constexpr char kOutputCaption[] = "Output";
constexpr unsigned kInformationOk = 0x40;

}  // namespace

void runCabrilloPass(const CQsoLog& log, const CContestRules& modes, int claimedScore,
                     CStationData& station, int* out, platform::Env& env) {
  station.cabrilloLines.RemoveAll();
  for (const CInfo& qso : log) {
    const char* mode = modes.contains(qso.mode) ? kContestMode : kOtherMode;
    station.FormatQsoLine(qso.call, qso.frequencyKHz, mode, qso.time, qso.rstSent, qso.exchSent,
                          qso.rstRcvd, qso.exchRcvd);
  }
  const CString message = station.WriteCabrillo(claimedScore, env);
  env.showMessageBox(message, kOutputCaption, kInformationOk,
                     platform::MessageOwner::kActiveWindow);
  if (out) *out = -1;
}
