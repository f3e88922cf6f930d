// The keys real contests need, each on a small contest of its own: the
// judgement of every line, compared whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "crosscheck/crosscheck.h"
#include "crosscheck/entrant_report.h"
#include "tests/support/temp_dir.h"

namespace {

using Logs = std::map<std::string, std::vector<std::string>>;  // call: lines after the date

// Both halves of a clean QSO at `hhmm`.
void both(Logs* logs, const std::string& hhmm, const std::string& a, const std::string& aSent,
          const std::string& b, const std::string& bSent) {
  (*logs)[a].push_back(hhmm + " " + a + " " + aSent + " " + b + " " + bSent);
  (*logs)[b].push_back(hhmm + " " + b + " " + bSent + " " + a + " " + aSent);
}

constexpr char kDay[] = "2017-08-19";
constexpr char kDayBefore[] = "2017-08-18";

std::string cabrillo(const std::string& call, const std::vector<std::string>& lines,
                     const std::string& date) {
  std::string text = "START-OF-LOG: 3.0\nCALLSIGN: " + call + "\n";
  for (const std::string& line : lines) text += "QSO: 3534 CW " + date + " " + line + "\n";
  return text + "END-OF-LOG:\n";
}

crosscheck::ContestDefinition fieldDay() {
  crosscheck::ContestDefinition definition =
      crosscheck::readContestDefinition(ZVK_CONTESTS_DIR "/field-day-80m.ini");
  definition.from = imports::UtcTime{2017, 8, 19, 7, 0, 0};
  definition.to = imports::UtcTime{2017, 8, 19, 10, 0, 0};
  return definition;
}

class RealContestRulesTest : public testing_support::TempDirTest {
 protected:
  crosscheck::Results check(const Logs& logs, const crosscheck::ContestDefinition& definition) {
    crosscheck::Request request;
    for (const auto& [call, lines] : logs) {
      request.files.push_back(call + ".log");
      testing_support::writeFile(request.files.back(),
                                 cabrillo(call, lines, call == dayEarly_ ? kDayBefore : kDay));
    }
    request.definition = definition;
    return crosscheck::crosscheckContest(request);
  }

  // "Q0AA 0700 Q0BB ok" for every line of every log, by call then line.
  std::string judged(const Logs& logs, const crosscheck::ContestDefinition& definition) {
    std::map<std::string, std::string> byCall;
    const crosscheck::Results results = check(logs, definition);
    for (const crosscheck::Entrant& entrant : results.entrants) {
      for (const crosscheck::LineResult& line : entrant.lines) {
        byCall[entrant.call] += entrant.call + " " + imports::formatMinute(line.time).substr(11) +
                                " " + std::string(results.text(line.call)) + " " +
                                crosscheck::resultName(line.result) + "\n";
      }
    }
    std::string text;
    for (const auto& [call, lines] : byCall) text += lines;
    return text;
  }

  std::string dayEarly_;  // the call whose log carries the day before's date
};

TEST_F(RealContestRulesTest, ALogADayOffIsOutsideThePeriodNotShifted) {
  Logs logs;
  both(&logs, "0700", "Q0AA", "001 000", "Q0BB", "001 000");
  both(&logs, "0710", "Q0AA", "002 001", "Q0CC", "001 000");
  both(&logs, "0720", "Q0BB", "002 001", "Q0CC", "002 002");
  dayEarly_ = "Q0AA";
  EXPECT_EQ(judged(logs, fieldDay()),
            "Q0AA 07:00 Q0BB outside-period\n"
            "Q0AA 07:10 Q0CC outside-period\n"
            "Q0BB 07:00 Q0AA not-in-log\n"
            "Q0BB 07:20 Q0CC ok\n"
            "Q0CC 07:10 Q0AA not-in-log\n"
            "Q0CC 07:20 Q0BB ok\n");
}

TEST_F(RealContestRulesTest, ARepeatIsADupeOnlyWithinTheMinutesOfTheLastQsoThatCounted) {
  Logs logs;
  both(&logs, "0700", "Q0AA", "001 000", "Q0BB", "001 000");
  both(&logs, "0729", "Q0AA", "002 001", "Q0BB", "002 001");
  both(&logs, "0730", "Q0AA", "003 002", "Q0BB", "003 002");
  // Not in Q0CC's log: the repeat a minute later repairs it and counts.
  logs["Q0AA"].push_back("0740 Q0AA 004 003 Q0CC 001 000");
  both(&logs, "0741", "Q0AA", "005 003", "Q0CC", "001 000");
  EXPECT_EQ(judged(logs, fieldDay()),
            "Q0AA 07:00 Q0BB ok\n"
            "Q0AA 07:29 Q0BB dupe\n"
            "Q0AA 07:30 Q0BB ok\n"
            "Q0AA 07:40 Q0CC not-in-log\n"
            "Q0AA 07:41 Q0CC ok\n"
            "Q0BB 07:00 Q0AA ok\n"
            "Q0BB 07:29 Q0AA dupe\n"
            "Q0BB 07:30 Q0AA ok\n"
            "Q0CC 07:41 Q0AA ok\n");
}

// A miscopy by either side, with the other side's judgement under each rule.
struct ErrorsCase {
  const char* name;
  std::function<void(Logs*)> qso;
  bool voidBoth;
  const char* judged;
};

TEST_F(RealContestRulesTest, ErrorsBothVoidsTheQsoForTheSideThatCopiedRight) {
  auto aMiscopiesExchange = [](Logs* logs) {
    (*logs)["Q0AA"].push_back("0700 Q0AA 001 000 Q0BB 009 000");
    (*logs)["Q0BB"].push_back("0700 Q0BB 001 000 Q0AA 001 000");
  };
  auto bMiscopiesCall = [](Logs* logs) {
    (*logs)["Q0AA"].push_back("0700 Q0AA 001 000 Q0BB 001 000");
    (*logs)["Q0BB"].push_back("0700 Q0BB 001 000 Q0AE 001 000");
  };
  // The sent field left out: the line cannot be confirmed, and never takes a
  // serial for the worked call.
  auto aLeavesOutASentField = [](Logs* logs) {
    (*logs)["Q0AA"].push_back("0700 Q0AA 041  Q0BB 045 040");
    (*logs)["Q0BB"].push_back("0700 Q0BB 045 040 Q0AA 041 044");
  };
  const ErrorsCase kCases[] = {
      {"exchange, own", aMiscopiesExchange, false,
       "Q0AA 07:00 Q0BB busted-exchange\nQ0BB 07:00 Q0AA ok\n"},
      {"exchange, both", aMiscopiesExchange, true,
       "Q0AA 07:00 Q0BB busted-exchange\nQ0BB 07:00 Q0AA partner-busted-exchange\n"},
      {"call, own", bMiscopiesCall, false, "Q0AA 07:00 Q0BB ok\nQ0BB 07:00 Q0AE busted-call\n"},
      {"call, both", bMiscopiesCall, true,
       "Q0AA 07:00 Q0BB partner-busted-call\nQ0BB 07:00 Q0AE busted-call\n"},
      {"missing field, own", aLeavesOutASentField, false,
       "Q0AA 07:00 Q0BB busted-exchange\nQ0BB 07:00 Q0AA ok\n"},
      {"missing field, both", aLeavesOutASentField, true,
       "Q0AA 07:00 Q0BB busted-exchange\nQ0BB 07:00 Q0AA partner-busted-exchange\n"},
  };
  for (const ErrorsCase& c : kCases) {
    Logs logs;
    c.qso(&logs);
    crosscheck::ContestDefinition definition = fieldDay();
    definition.errors.bustedCallVoidsBoth = definition.errors.bustedExchangeVoidsBoth = c.voidBoth;
    EXPECT_EQ(judged(logs, definition), c.judged) << c.name;
  }
}

TEST_F(RealContestRulesTest, ThePartnersReportQuotesWhatEachLogHolds) {
  Logs logs;
  logs["Q0AA"].push_back("0700 Q0AA 002 001 Q0BB 002 002");
  logs["Q0BB"].push_back("0700 Q0BB 002 001 Q0AA 002 001");
  const crosscheck::Results results = check(logs, fieldDay());
  const auto q0bb =
      std::find_if(results.entrants.begin(), results.entrants.end(),
                   [](const crosscheck::Entrant& entrant) { return entrant.call == "Q0BB"; });
  ASSERT_NE(q0bb, results.entrants.end());
  const crosscheck::EntrantReport report =
      crosscheck::entrantReport(results, q0bb - results.entrants.begin());
  ASSERT_EQ(report.lost.size(), 1u);
  EXPECT_EQ(report.lost[0].reason,
            "Q0AA logged 002 002, you sent 002 001: an error by either side voids the QSO for "
            "both");
}

// Q0BB's clock runs four minutes ahead; the window is three minutes.
TEST_F(RealContestRulesTest, ClockCorrectionDecidesWhetherAClockFourMinutesAheadMatches) {
  Logs logs;
  const char* const kOthers[] = {"Q0AA", "Q0CC", "Q0DD"};
  int minute = 0;
  for (const char* other : kOthers) {
    const std::string at = "07" + std::to_string(10 + minute);
    const std::string ahead = "07" + std::to_string(14 + minute);
    logs[other].push_back(at + " " + other + " 001 000 Q0BB 00" + std::to_string(minute + 1) +
                          " 000");
    logs["Q0BB"].push_back(ahead + " Q0BB 00" + std::to_string(minute + 1) + " 000 " + other +
                           " 001 000");
    minute += 10;
  }
  for (bool correct : {true, false}) {
    crosscheck::ContestDefinition definition = fieldDay();
    definition.clockCorrection = correct;
    const std::string result = correct ? "ok" : "not-in-log";
    EXPECT_EQ(judged(logs, definition), "Q0AA 07:10 Q0BB " + result + "\nQ0BB 07:14 Q0AA " +
                                            result + "\nQ0BB 07:24 Q0CC " + result +
                                            "\nQ0BB 07:34 Q0DD " + result + "\nQ0CC 07:20 Q0BB " +
                                            result + "\nQ0DD 07:30 Q0BB " + result + "\n")
        << "ClockCorrection " << correct;
  }
  crosscheck::ContestDefinition asLogged = fieldDay();
  asLogged.clockCorrection = false;
  const crosscheck::Results results = check(logs, asLogged);
  EXPECT_EQ(crosscheck::entrantReport(results, 0).lost.at(0).reason,
            results.entrants[0].call == "Q0BB"
                ? "Q0AA's log holds this QSO at 2017-08-19 07:10, outside the 3-minute window as "
                  "both logged it"
                : "Q0BB's log holds this QSO at 2017-08-19 07:14, outside the 3-minute window as "
                  "both logged it");
}

// Q0BX sent no log and is one character from Q0BB, which four logs hold:
// Q0BB's log is the evidence whether Q0FF worked it.
TEST_F(RealContestRulesTest, ANearCallIsUniqueWhenTheBusierCallsLogHoldsNoSuchQso) {
  for (bool bbLogsIt : {false, true}) {
    Logs logs;
    int minute = 10;
    for (const char* worker : {"Q0AA", "Q0CC", "Q0DD", "Q0EE"}) {
      both(&logs, "07" + std::to_string(minute), worker, "001 000", "Q0BB",
           "00" + std::to_string(minute / 10) + " 000");
      minute += 10;
    }
    logs["Q0FF"].push_back("0800 Q0FF 001 000 Q0BX 005 004");
    if (bbLogsIt) logs["Q0BB"].push_back("0800 Q0BB 005 004 Q0FF 001 000");
    const std::string judgedLines = judged(logs, fieldDay());
    const std::string line =
        bbLogsIt ? "Q0FF 08:00 Q0BX busted-call\n" : "Q0FF 08:00 Q0BX unique\n";
    EXPECT_NE(judgedLines.find(line), std::string::npos) << judgedLines;
  }
}

}  // namespace

// Two logs whose lines name no worked call, only serials where it should stand.
TEST_F(RealContestRulesTest, ALineNamingNoStationIsABustedCall) {
  Logs logs;
  logs["Q0AA"].push_back("0700 Q0AA 001 000 005 004");
  logs["Q0BB"].push_back("0700 Q0BB 001 000 005 004");
  EXPECT_EQ(judged(logs, fieldDay()),
            "Q0AA 07:00  busted-call\n"
            "Q0BB 07:00  busted-call\n");
}

// Q0NL sent no log: the fixed field most logs agree on is checked, the
// serial beside it cannot be.
TEST_F(RealContestRulesTest, AStationWithoutALogIsCheckedOnTheFixedFieldMostLogsAgreeOn) {
  Logs logs;
  logs["Q0AA"].push_back("0700 Q0AA 599 1 NY Q0NL 599 5 NY");
  logs["Q0BB"].push_back("0710 Q0BB 599 1 NJ Q0NL 599 9 NY");
  logs["Q0CC"].push_back("0720 Q0CC 599 1 NY Q0NL 599 12 NY");
  logs["Q0DD"].push_back("0730 Q0DD 599 1 NY Q0NL 599 7 NJ");
  crosscheck::ContestDefinition definition = fieldDay();
  definition.exchangeList = {crosscheck::ExchangeKind::kRst, crosscheck::ExchangeKind::kSerial,
                             crosscheck::ExchangeKind::kFixed};
  EXPECT_EQ(judged(logs, definition),
            "Q0AA 07:00 Q0NL ok\n"
            "Q0BB 07:10 Q0NL ok\n"
            "Q0CC 07:20 Q0NL ok\n"
            "Q0DD 07:30 Q0NL busted-exchange\n");
}
