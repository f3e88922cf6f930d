// Drives the plug-in's log operations and the whole-log scan model with the
// same long random sequence: the call index must never change a result.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench/scan_model.h"
#include "checks/call_check.h"
#include "log/add_qso.h"
#include "log/remove_qso.h"
#include "log/statistics_reset.h"
#include "score/score_tally.h"
#include "tests/support/fake_env.h"
#include "tests/support/qso_builder.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::oleDate;
using testing_support::readFile;

const char* const kRuleBands[] = {"80m", "80m", "40m", "20m", "15m", "10m"};
const char* const kRuleModes[] = {"CW"};
// Calls that differ only in case or length, an empty one, and bands, modes
// and exchanges the contest rejects or reads literally.
const char* const kCalls[] = {"Q2QQ", "q2qq", "Q2QQ/P", "Q3QQ", "Q4QQ", "Q5QQ", "Q6QQ", ""};
const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m", "20M", "160m"};
const char* const kModes[] = {"CW", "CW", "CW", "CW", "cw", "SSB"};
const char* const kExchanges[] = {
    "NM", "NM", "1234", "567", "nm", "", "JXW-0123456789012345678901234567890123456789-long"};
constexpr int kOperations = 20000;

class ScanModelComparisonTest : public testing_support::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    env.setNow(2016, 11, 27, 12, 0);
    reset();
  }

  int draw(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); }
  template <std::size_t n>
  const char* pick(const char* const (&texts)[n]) {
    return texts[draw(static_cast<int>(n))];
  }

  QsoFields randomQso() {
    QsoFields qso = testing_support::contestQso(pick(kCalls));
    qso.band = pick(kBands);
    qso.mode = pick(kModes);
    qso.exchRcvd = pick(kExchanges);
    qso.exchSent = draw(20) ? "NM" : "";
    const int status = draw(30) ? COleDateTime::valid : COleDateTime::invalid + draw(2);
    qso.time = COleDateTime(oleDate(2016, 11, 27) + draw(24 * 60) / 1440.0, status);
    return qso;
  }

  // A QSO the host deletes: one it added before, sometimes with other details.
  QsoFields qsoToRemove() {
    if (offered.empty() || !draw(5)) return randomQso();
    QsoFields qso = offered[static_cast<std::size_t>(draw(static_cast<int>(offered.size())))];
    if (!draw(4)) qso.time.m_dt += 1.0 / 24;
    if (!draw(4)) qso.exchRcvd = pick(kExchanges);
    return qso;
  }

  void reset() {
    const COleDateTime start(oleDate(2016, 11, 26, 12), COleDateTime::valid);
    const COleDateTime end(oleDate(2016, 11, 27, 12), COleDateTime::valid);
    const ResetTarget target{log, workedBands, periodFrom, periodTo, fileDate, ubnPath};
    beginReset(start, end, target);
    startStatistics(end, target, env);
    model.reset(kModelUbnPath, env);
    offered.clear();
  }

  void compareAdd() {
    const QsoFields qso = randomQso();
    offered.push_back(qso);
    ASSERT_EQ(addQso(qso, bands, modes, {log, workedBands, ubnPath}, env), model.add(qso, env));
  }

  void compareRemove() {
    const QsoFields qso = qsoToRemove();
    ASSERT_EQ(removeQso(qso, modes, log), model.remove(qso));
  }

  void compareCheck() {
    const char* band = pick(kBands);
    const CallQuery query{pick(kCalls), pick(kModes), band, draw(10) ? band : pick(kBands)};
    char pluginOut[50], modelOut[50];
    std::memset(pluginOut, '#', sizeof pluginOut);
    std::memset(modelOut, '#', sizeof modelOut);
    ASSERT_EQ(checkCall(query, bands, modes, log, pluginOut, env),
              model.check(query, modelOut, env));
    ASSERT_EQ(std::string(pluginOut, sizeof pluginOut), std::string(modelOut, sizeof modelOut));
  }

  void compareResult() {
    const ContestHeading heading{periodFrom, periodTo, contestant};
    const ScoreTally tally = tallyScore(log, workedBands);
    const CString summary =
        summaryHeading(heading) + summaryRows(tally) + summaryScore(tally.claimedScore);
    ASSERT_EQ(summary.str(), model.result(heading).str());
  }

  void compareLogsAndFiles() {
    std::vector<std::string> pluginRecords, modelRecords;
    for (const CInfo& record : log) pluginRecords.push_back(describe(record));
    for (const CInfo& record : model.records()) modelRecords.push_back(describe(record));
    ASSERT_EQ(pluginRecords, modelRecords);
    ASSERT_EQ(readFile(ubnPath.str()), readFile(kModelUbnPath));
  }

  static std::string describe(const CInfo& record) {
    CString text;
    text.Format("%s|%s|%s|%s|%s|%.9f|%d", record.call.GetString(), record.band.GetString(),
                record.mode.GetString(), record.exchSent.GetString(), record.exchRcvd.GetString(),
                record.time.m_dt, record.time.m_status);
    return text.str();
  }

  static constexpr char kModelUbnPath[] = "ScanModel.txt";
  const CContestRules bands{kRuleBands, 6};
  const CContestRules modes{kRuleModes, 1};
  CQsoLog log;
  CStringArray workedBands;
  CString periodFrom, periodTo, fileDate, ubnPath, contestant{"Q1QQQ"};
  ScanModel model{bands, modes};
  std::vector<QsoFields> offered;
  testing_support::FakeEnv env;
  std::mt19937 random{20161127};
};

TEST_F(ScanModelComparisonTest, LongRandomSequenceGivesTheSameAnswersLogAndFiles) {
  for (int i = 0; i < kOperations && !HasFatalFailure(); ++i) {
    SCOPED_TRACE("operation " + std::to_string(i));
    const int roll = draw(100);
    if (roll < 45) {
      compareAdd();
    } else if (roll < 65) {
      compareRemove();
    } else if (roll < 90) {
      compareCheck();
    } else if (roll < 97) {
      compareResult();
    } else if (roll < 99) {
      env.now += draw(3) * 3600 + draw(3600);
    } else {
      compareLogsAndFiles();
      reset();
    }
  }
  compareLogsAndFiles();
}

}  // namespace
