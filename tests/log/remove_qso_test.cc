#include "log/remove_qso.h"

#include <gtest/gtest.h>

#include "tests/support/qso_builder.h"

namespace {

using testing_support::contestQso;

const char* const kModes[] = {"CW"};

CInfo stored(const QsoFields& qso) {
  CInfo record;
  record.call = qso.call;
  record.band = qso.band;
  record.mode = qso.mode;
  record.exchSent = qso.exchSent;
  record.exchRcvd = qso.exchRcvd;
  record.time = qso.time;
  return record;
}

class RemoveQsoTest : public ::testing::Test {
 protected:
  void store(const QsoFields& qso, const char* tag) {
    CInfo record = stored(qso);
    record.hostTextA = tag;
    log.Add(record);
  }
  std::string tags() const {
    std::string all;
    for (const CInfo& record : log) all += record.hostTextA.str();
    return all;
  }

  CContestRules modes{kModes, 1};
  CQsoLog log;
};

TEST_F(RemoveQsoTest, RemovesTheFirstMatchAndKeepsTheOrder) {
  store(contestQso("A1"), "a");
  store(contestQso("B1"), "b");
  store(contestQso("C1"), "c");
  EXPECT_EQ(removeQso(contestQso("B1"), modes, log), 1);
  EXPECT_EQ(tags(), "ac");
}

TEST_F(RemoveQsoTest, NotAContestQsoForRemovalChangesNothing) {
  store(contestQso(), "a");
  QsoFields noMode = contestQso();
  noMode.mode = "SSB";
  QsoFields noSent = contestQso();
  noSent.exchSent = "";
  QsoFields noRcvd = contestQso();
  noRcvd.exchRcvd = "";
  for (const QsoFields& qso : {noMode, noSent, noRcvd}) {
    EXPECT_EQ(removeQso(qso, modes, log), 0);
  }
  EXPECT_EQ(tags(), "a");
}

TEST_F(RemoveQsoTest, NoMatchStillAnswersOne) {
  EXPECT_EQ(removeQso(contestQso(), modes, log), 1);
  store(contestQso(), "a");
  EXPECT_EQ(removeQso(contestQso("q2qq"), modes, log), 1);
  QsoFields otherBand = contestQso();
  otherBand.band = "160m";
  EXPECT_EQ(removeQso(otherBand, modes, log), 1);
  EXPECT_EQ(tags(), "a");
}

// A QSO stored as "cw" was accepted by the add; it must be removable too.
TEST_F(RemoveQsoTest, ModeInAnyCaseIsAcceptedAndMatchedExactly) {
  QsoFields lower = contestQso();
  lower.mode = "cw";
  store(contestQso(), "a");
  store(lower, "b");
  EXPECT_EQ(removeQso(lower, modes, log), 1);
  EXPECT_EQ(tags(), "a");
}

// Deleting the later of two dupes must not remove the earlier one.
TEST_F(RemoveQsoTest, AmongDupesTheRecordWithTheSameTimeAndExchangesGoes) {
  QsoFields first = contestQso();
  QsoFields second = contestQso();
  second.time.m_dt += 1.0 / 24;
  store(first, "a");
  store(second, "b");
  EXPECT_EQ(removeQso(second, modes, log), 1);
  EXPECT_EQ(tags(), "a");
}

TEST_F(RemoveQsoTest, AmongDupesWithoutAnExactMatchTheFirstGoes) {
  QsoFields first = contestQso();
  QsoFields second = contestQso();
  second.exchRcvd = "4321";
  store(first, "a");
  store(second, "b");
  QsoFields neither = contestQso();
  neither.exchRcvd = "9999";
  EXPECT_EQ(removeQso(neither, modes, log), 1);
  EXPECT_EQ(tags(), "b");
}

}  // namespace
