// Every judgement and its boundaries, on synthetic contests whose faults say
// what each line must get.
#include <gtest/gtest.h>

#include <algorithm>

#include "crosscheck/crosscheck.h"
#include "tests/crosscheck/synthetic_contest.h"
#include "tests/support/temp_dir.h"

namespace {

using synthetic::aMiscopiesCall;
using synthetic::aMiscopiesExchange;
using synthetic::bLogsLater;
using synthetic::judged;
using synthetic::missingFromB;
using synthetic::Qso;
using synthetic::qso;
using synthetic::Station;
using Judged = std::map<std::pair<std::string, int>, synthetic::Expected>;

Judged judgedLines(const crosscheck::Results& results) {
  Judged judged;
  for (const crosscheck::Entrant& entrant : results.entrants) {
    for (const crosscheck::LineResult& line : entrant.lines) {
      judged[{entrant.call, line.line}] = {crosscheck::resultName(line.result),
                                           std::string(results.text(line.correctCall))};
    }
  }
  return judged;
}

std::string describe(const Judged& lines) {
  std::string text;
  for (const auto& [where, expected] : lines) {
    text += where.first + ":" + std::to_string(where.second) + " " + expected.result + " " +
            expected.correctCall + "\n";
  }
  return text;
}

class JudgementsTest : public testing_support::TempDirTest {
 protected:
  crosscheck::Results check(synthetic::Contest& contest, crosscheck::ContestDefinition definition) {
    crosscheck::Request request;
    request.files = contest.write(".");
    request.definition = std::move(definition);
    return crosscheck::crosscheckContest(request);
  }

  static crosscheck::ContestDefinition zvkWithPeriod() {
    crosscheck::ContestDefinition definition = crosscheck::zvkCwDefinition();
    definition.from = imports::UtcTime{2025, 11, 29, 12, 0, 0};
    definition.to = imports::UtcTime{2025, 11, 29, 22, 0, 0};
    return definition;
  }
};

const Station kStations[] = {
    Station("DL1AA", "101"),
    Station("OK1BB", "102"),
    Station("OM3CC", "NM"),
    Station("SP9DD", "104"),
    Station("HA5EE", "105"),
    Station("OK1ABE", "106"),
    Station("OK1ABT", "107"),
    Station("PA3CLK", "108", 60),
    Station("OE1UNQ", "201", 0, false),
    Station("OE2NOL", "202", 0, false),
    Station("OE3AGR", "321", 0, false),
};

// Each row one QSO and the judgements of both its lines.
const Qso kQsos[] = {
    // Confirmed both ways; missing from the other log; miscopies.
    qso("DL1AA", "OK1BB", 10),
    missingFromB(qso("DL1AA", "OM3CC", 20)),
    aMiscopiesCall(qso("DL1AA", "OM3CC", 30, "20m"), "OM3CG"),
    aMiscopiesExchange(qso("OK1BB", "OM3CC", 40), "999"),
    // The match window's edge: 5 minutes apart still match, 6 do not.
    bLogsLater(qso("DL1AA", "SP9DD", 50, "80m"), 5),
    judged(bLogsLater(qso("DL1AA", "HA5EE", 60, "80m"), 6), "not-in-log", "not-in-log"),
    // A log an hour ahead still matches.
    qso("PA3CLK", "DL1AA", 70),
    qso("PA3CLK", "OK1BB", 80),
    qso("PA3CLK", "OM3CC", 90),
    qso("PA3CLK", "SP9DD", 100, "20m"),
    // A dupe confirms the other station's QSO.
    missingFromB(qso("SP9DD", "HA5EE", 110, "15m")),
    judged(qso("SP9DD", "HA5EE", 130, "15m"), "dupe"),
    // Two near calls: the CW look-alike (E for I) wins over T.
    aMiscopiesCall(qso("DL1AA", "OK1ABE", 140, "15m"), "OK1ABI"),
    missingFromB(qso("OK1ABT", "DL1AA", 140, "15m")),
    // Stations that sent no log: one nobody else worked, one two logs hold,
    // one whose exchange three logs agree on, and a rare miscopy of it.
    judged(qso("DL1AA", "OE1UNQ", 150), "unique"),
    qso("DL1AA", "OE2NOL", 160),
    qso("OK1BB", "OE2NOL", 170),
    qso("DL1AA", "OE3AGR", 180),
    qso("OK1BB", "OE3AGR", 190),
    qso("OM3CC", "OE3AGR", 200),
    aMiscopiesExchange(qso("SP9DD", "OE3AGR", 210), "322"),
    aMiscopiesCall(qso("HA5EE", "OE3AGR", 220), "OE3AGP"),
    // Off the contest's bands and modes, and outside its period.
    judged(qso("DL1AA", "OK1BB", 230, "160m"), "not-contest", "not-contest"),
    judged(qso("DL1AA", "OK1BB", 240, "20m", "SSB"), "not-contest", "not-contest"),
    judged(qso("DL1AA", "SP9DD", 601, "10m"), "outside-period", "outside-period"),
};

TEST_F(JudgementsTest, EveryLineGetsTheJudgementItsFaultCalls) {
  synthetic::Contest contest("2025-11-29", 1200, synthetic::Exchange::kFixed);
  for (const Station& station : kStations) contest.add(station);
  for (const Qso& qso : kQsos) contest.add(qso);
  crosscheck::Results results = check(contest, zvkWithPeriod());
  EXPECT_EQ(describe(judgedLines(results)), describe(contest.expected()));
}

TEST_F(JudgementsTest, ClockOffsetIsMeasuredInWholeMinutes) {
  synthetic::Contest contest("2025-11-29", 1200, synthetic::Exchange::kFixed);
  for (const Station& station : kStations) contest.add(station);
  for (const Qso& qso : kQsos) contest.add(qso);
  crosscheck::Results results = check(contest, zvkWithPeriod());
  for (const crosscheck::Entrant& entrant : results.entrants) {
    EXPECT_EQ(entrant.clockOffsetMinutes, entrant.call == "PA3CLK" ? 60 : 0) << entrant.call;
  }
}

// The sprint: serial numbers compare as numbers, within the tolerance.
struct SerialCase {
  const char* received;  // what a logs of b's serial 1
  int tolerance;
  const char* result;
};

TEST_F(JudgementsTest, SerialsCompareAsNumbersWithinTolerance) {
  const SerialCase kCases[] = {
      {"1", 0, "ok"},
      {"001", 0, "ok"},
      {"2", 0, "busted-exchange"},
      {"2", 1, "ok"},
      {"3", 1, "busted-exchange"},
      {"X1", 5, "busted-exchange"},
  };
  for (const SerialCase& c : kCases) {
    synthetic::Contest contest("2025-12-06", 2000, synthetic::Exchange::kSerial);
    contest.add(Station("DL1AA"));
    contest.add(Station("OK1BB"));
    contest.add(judged(aMiscopiesExchange(qso("DL1AA", "OK1BB", 10, "80m"), c.received), c.result));
    crosscheck::ContestDefinition sprint =
        crosscheck::readContestDefinition(std::string(ZVK_CONTESTS_DIR) + "/sprint-80m.ini");
    sprint.serialTolerance = c.tolerance;
    crosscheck::Results results = check(contest, sprint);
    EXPECT_EQ(describe(judgedLines(results)), describe(contest.expected()))
        << c.received << " tolerance " << c.tolerance;
  }
}

TEST_F(JudgementsTest, SprintCountsEachStationOncePerBand) {
  synthetic::Contest contest("2025-12-06", 2000, synthetic::Exchange::kSerial);
  contest.add(Station("DL1AA"));
  contest.add(Station("OK1BB"));
  contest.add(qso("DL1AA", "OK1BB", 10, "80m"));
  contest.add(judged(qso("DL1AA", "OK1BB", 50, "80m"), "dupe", "dupe"));
  crosscheck::Results results =
      check(contest,
            crosscheck::readContestDefinition(std::string(ZVK_CONTESTS_DIR) + "/sprint-80m.ini"));
  EXPECT_EQ(describe(judgedLines(results)), describe(contest.expected()));
  EXPECT_EQ(results.entrants[0].checkedScore, 1);
}

// Checked score: ok lines earn their points, a penalty takes a multiple of
// them for not-in-log and busted-call, and removed uniques earn nothing.
struct ScoreCase {
  int penalty;
  bool creditUniques;
  std::int64_t checked;  // of DL1AA
};

TEST_F(JudgementsTest, CheckedScoreTakesPenaltiesAndRemovedUniques) {
  const ScoreCase kCases[] = {{0, true, 10}, {1, true, 0}, {2, true, -10}, {0, false, 5}};
  for (const ScoreCase& c : kCases) {
    synthetic::Contest contest("2025-11-29", 1200, synthetic::Exchange::kFixed);
    for (const char* call : {"DL1AA", "OK1BB", "OM3CC", "SP9DD"}) contest.add(Station(call, "1"));
    contest.add(Station("OE1UNQ", "2", 0, false));
    contest.add(qso("DL1AA", "OK1BB", 10));                           // +5
    contest.add(missingFromB(qso("DL1AA", "OM3CC", 20)));             // -5 x penalty
    contest.add(aMiscopiesCall(qso("DL1AA", "SP9DD", 30), "SP9DE"));  // -5 x penalty
    contest.add(judged(qso("DL1AA", "OE1UNQ", 40), "unique"));
    contest.add(qso("OM3CC", "SP9DD", 50));  // so that OM3CC sends a log        // +5 when credited
    crosscheck::ContestDefinition definition = crosscheck::zvkCwDefinition();
    definition.errors.bustedCall = definition.errors.notInLog = {c.penalty, false};
    definition.creditUniques = c.creditUniques;
    crosscheck::Results results = check(contest, definition);
    const auto dl1aa =
        std::find_if(results.entrants.begin(), results.entrants.end(),
                     [](const crosscheck::Entrant& entrant) { return entrant.call == "DL1AA"; });
    ASSERT_NE(dl1aa, results.entrants.end());
    EXPECT_EQ(dl1aa->checkedScore, c.checked) << c.penalty << " " << c.creditUniques;
  }
}

}  // namespace
