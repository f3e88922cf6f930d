#include "tests/faults/contest_fixture.h"

#include "log/add_qso.h"
#include "plugin/contest_operations.h"
#include "plugin/state.h"
#include "tests/support/qso_builder.h"

namespace testing_support {

const char kTwoQsoSummary[] =
    "ZVK-CW-CONTEST  12.06-13.06.2016 \r\n"
    "\tContestant: Q1QQQ\r\n"
    "\tQSOs\tPoints\t ZVK\r\n"
    "20m\t 2\t 6\t  1\r\n"
    "Total\t 2\t 6\t  1\r\n"
    "\r\n"
    "Score:   6 \r\n"
    "\r\n"
    "Scored by zvk-stats for the ZVK CW Contest";

void ContestFixture::SetUp() {
  TempDirTest::SetUp();
  env.setNow(2016, 6, 12, 18, 0);
  env.dialog = [](platform::DialogForm&) { return platform::kDialogOk; };
  g_station = CStationData();
}

void ContestFixture::reset(int makeCabrillo, const char* contestant) {
  ResetRequest request{makeCabrillo, contestant,
                       COleDateTime(oleDate(2016, 6, 12, 12, 0), COleDateTime::valid),
                       COleDateTime(oleDate(2016, 6, 13, 12, 0), COleDateTime::valid)};
  resetStatistics(request, env);
}

int ContestFixture::add(const char* call, const char* band, const char* exchRcvd) {
  QsoFields qso = contestQso(call);
  qso.band = band;
  qso.exchRcvd = exchRcvd;
  return addQso(qso, g_bands, g_modes, {g_log, g_workedBands, g_ubnPath}, env);
}

std::string ContestFixture::result() { return buildResult(&out, env); }

std::string ContestFixture::lastMessage() const {
  return env.messages.empty() ? std::string() : env.messages.back().text;
}

}  // namespace testing_support
