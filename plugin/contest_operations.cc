#include "plugin/contest_operations.h"

#include "log/statistics_reset.h"
#include "plugin/state.h"
#include "score/cabrillo_pass.h"
#include "score/result_summary.h"
#include "score/score_tally.h"

namespace {

constexpr char kSetName[] = "ZVK-CW-CONTEST (C)";
constexpr char kSetupMessage[] = "No additional setup for this contest";
constexpr unsigned kPlainOkBox = 0;

ResetTarget resetTarget() {
  return ResetTarget{g_log, g_workedBands, g_periodFrom, g_periodTo, g_fileDate, g_ubnPath};
}

}  // namespace

const char* setName(int index) { return index == 0 ? kSetName : ""; }

void showSetupMessage(platform::Env& env) {
  env.showMessageBox(kSetupMessage, nullptr, kPlainOkBox, platform::MessageOwner::kNone);
}

int resetStatistics(const ResetRequest& request, platform::Env& env) {
  beginReset(request.periodStart, request.periodEnd, resetTarget());
  g_cabrilloEnabled = request.makeCabrillo;
  g_contestant = request.contestant;
  if (g_cabrilloEnabled) g_station.EditStationSettings(g_contestant, g_iniFile, g_iniSection, env);
  startStatistics(request.periodEnd, resetTarget(), env);
  return 1;
}

const char* buildResult(std::int32_t* out, platform::Env& env) {
  g_resultText = summaryHeading({g_periodFrom, g_periodTo, g_contestant});
  ScoreTally tally = tallyScore(g_log, g_workedBands);
  g_resultText += summaryRows(tally);
  publishClaimedScore(tally.claimedScore, {g_claimedScore, g_iniSection, g_iniFile}, env);
  g_resultText += summaryScore(tally.claimedScore);
  if (g_cabrilloEnabled) runCabrilloPass(g_log, g_modes, g_claimedScore, g_station, out, env);
  return g_resultText;
}
