// What each kind of error costs, what a station without a log earns, and
// where and when a QSO counts: one row per rule on a few QSOs, then the
// shipped regional sprint on a small contest of its own.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "crosscheck/crosscheck.h"
#include "crosscheck/entrant_report.h"
#include "tests/support/temp_dir.h"

namespace {

using Logs = std::map<std::string, std::vector<std::string>>;  // call: QSO lines

constexpr char kDate[] = "2025-06-14";

// Both halves of a QSO: "3520 CW", "0700", each call with what it sent.
void both(Logs* logs, const std::string& where, const std::string& hhmm, const std::string& a,
          const std::string& aSent, const std::string& b, const std::string& bSent) {
  const std::string at = where + " " + kDate + " " + hhmm + " ";
  (*logs)[a].push_back(at + a + " " + aSent + " " + b + " " + bSent);
  (*logs)[b].push_back(at + b + " " + bSent + " " + a + " " + aSent);
}

// One station's half only: what `a` logged.
void half(Logs* logs, const std::string& where, const std::string& hhmm, const std::string& a,
          const std::string& aSent, const std::string& b, const std::string& bRcvd) {
  (*logs)[a].push_back(where + " " + kDate + " " + hhmm + " " + a + " " + aSent + " " + b + " " +
                       bRcvd);
}

std::string cabrillo(const std::string& call, const std::vector<std::string>& lines) {
  std::string text = "START-OF-LOG: 3.0\nCALLSIGN: " + call + "\n";
  for (const std::string& line : lines) text += "QSO: " + line + "\n";
  return text + "END-OF-LOG:\n";
}

crosscheck::Results check(const Logs& logs, const crosscheck::ContestDefinition& definition) {
  crosscheck::Request request;
  for (const auto& [call, lines] : logs) {
    request.files.push_back(call + ".log");
    testing_support::writeFile(request.files.back(), cabrillo(call, lines));
  }
  request.definition = definition;
  request.definition.from = imports::UtcTime{2025, 6, 14, 7, 0, 0};
  request.definition.to = imports::UtcTime{2025, 6, 14, 9, 0, 0};
  return crosscheck::crosscheckContest(request);
}

// "Q0AA 07:00 Q0BB busted-exchange 1 -" for every line ("m": its multiplier
// may count), then each entrant's checked score.
std::string scored(const crosscheck::Results& results) {
  std::map<std::string, std::string> byCall;
  std::string scores;
  for (const crosscheck::Entrant& entrant : results.entrants) {
    for (const crosscheck::LineResult& line : entrant.lines) {
      byCall[entrant.call] +=
          entrant.call + " " + crosscheck::formatMinute(line.time).substr(11) + " " +
          std::string(results.text(line.call)) + " " + crosscheck::resultName(line.result) + " " +
          std::to_string(line.points) + (line.multiplierCounts ? " m" : " -") + "\n";
    }
  }
  std::string text;
  for (const auto& [call, lines] : byCall) text += lines;
  for (const auto& [call, lines] : byCall) {
    for (const crosscheck::Entrant& entrant : results.entrants) {
      if (entrant.call == call) text += call + "=" + std::to_string(entrant.checkedScore) + " ";
    }
  }
  return text;
}

// A sprint of Q0 and Q1 stations: RST, serial and region.
constexpr char kSprint[] =
    "[Contest]\nName=TEST-SPRINT\nBands=80m,40m\nModes=CW\n"
    "AllowedValues=regions.txt\nPoints=2\nDupes=band\nUniques=remove\n";
constexpr char kRegions[] = "Q0: AA BB ZZ\nQ1: CC\n";

class JudgingRulesTest : public testing_support::TempDirTest {};

TEST_F(JudgingRulesTest, EachRuleGivesItsPointsAndMultiplierFlags) {
  testing_support::writeFile("regions.txt", kRegions);
  struct Row {
    const char* rule;
    std::string keys;
    void (*qsos)(Logs*);
    const char* scored;
  } rows[] = {
      {"a miscopied exchange: 1 point, no multiplier, the sender keeps its QSO",
       "ExchangeErrorPoints=1\n",
       [](Logs* l) {
         both(l, "3520 CW", "0700", "Q0AA", "599 001 AA", "Q0BB", "599 001 BB"),
             half(l, "3520 CW", "0710", "Q0AA", "599 002 AA", "Q1CC", "599 001 BB"),
             half(l, "3520 CW", "0710", "Q1CC", "599 001 CC", "Q0AA", "599 002 AA");
       },
       "Q0AA 07:00 Q0BB ok 2 m\nQ0AA 07:10 Q1CC busted-exchange 1 -\nQ0BB 07:00 Q0AA ok 2 m\n"
       "Q1CC 07:10 Q0AA ok 2 m\nQ0AA=3 Q0BB=2 Q1CC=2 "},
      {"the multiplier of a miscopied exchange counts where the rules say",
       "ExchangeErrorPoints=5\nExchangeErrorMultiplier=yes\n",
       [](Logs* l) {
         half(l, "3520 CW", "0710", "Q0AA", "599 002 AA", "Q1CC", "599 001 BB"),
             half(l, "3520 CW", "0710", "Q1CC", "599 001 CC", "Q0AA", "599 002 AA");
       },
       "Q0AA 07:10 Q1CC busted-exchange 2 m\nQ1CC 07:10 Q0AA ok 2 m\nQ0AA=2 Q1CC=2 "},
      {"a miscopied call voids both sides, a miscopied exchange the copier's only",
       "Errors=busted-call:both,busted-exchange:own\n",
       [](Logs* l) {
         half(l, "3520 CW", "0700", "Q0AA", "599 001 AA", "Q0BX", "599 001 BB"),
             half(l, "3520 CW", "0700", "Q0BB", "599 001 BB", "Q0AA", "599 001 AA"),
             half(l, "3520 CW", "0710", "Q0AA", "599 002 AA", "Q1CC", "599 001 BB"),
             half(l, "3520 CW", "0710", "Q1CC", "599 001 CC", "Q0AA", "599 002 AA");
       },
       "Q0AA 07:00 Q0BX busted-call 0 -\nQ0AA 07:10 Q1CC busted-exchange 0 -\n"
       "Q0BB 07:00 Q0AA partner-busted-call 0 -\nQ1CC 07:10 Q0AA ok 2 m\nQ0AA=0 Q0BB=0 Q1CC=2 "},
      {"penalties per kind, in QSOs or in points", "Penalty=busted-call:1,not-in-log:3points\n",
       [](Logs* l) {
         half(l, "3520 CW", "0700", "Q0AA", "599 001 AA", "Q0BX", "599 001 BB"),
             half(l, "3520 CW", "0700", "Q0BB", "599 001 BB", "Q0AA", "599 001 AA"),
             half(l, "3520 CW", "0710", "Q0AA", "599 002 AA", "Q1CC", "599 001 CC"),
             both(l, "3520 CW", "0720", "Q0BB", "599 002 BB", "Q1CC", "599 002 CC");
       },
       "Q0AA 07:00 Q0BX busted-call -2 -\nQ0AA 07:10 Q1CC not-in-log -3 -\n"
       "Q0BB 07:00 Q0AA ok 2 m\nQ0BB 07:20 Q1CC ok 2 m\nQ1CC 07:20 Q0BB ok 2 m\n"
       "Q0AA=-5 Q0BB=4 Q1CC=2 "},
      {"a station without a log counts in enough QSO lines, for its own points, its multiplier "
       "only with one of its country's regions",
       "Unlogged=lines:3\nUnloggedPoints=1\n",
       [](Logs* l) {
         half(l, "3520 CW", "0700", "Q0AA", "599 001 AA", "Q0ZZ", "599 001 ZZ"),
             half(l, "7020 CW", "0701", "Q0AA", "599 002 AA", "Q0ZZ", "599 002 ZZ"),
             half(l, "3520 CW", "0702", "Q0BB", "599 001 BB", "Q0ZZ", "599 003 ZZ"),
             half(l, "3520 CW", "0703", "Q0AA", "599 003 AA", "Q1ZZ", "599 001 ZZ"),
             half(l, "7020 CW", "0704", "Q0AA", "599 004 AA", "Q1ZZ", "599 002 ZZ"),
             half(l, "3520 CW", "0705", "Q0BB", "599 002 BB", "Q1ZZ", "599 003 ZZ"),
             half(l, "3520 CW", "0706", "Q0BB", "599 003 BB", "Q1YY", "599 001 CC");
       },
       "Q0AA 07:00 Q0ZZ ok 1 m\nQ0AA 07:01 Q0ZZ ok 1 m\nQ0AA 07:03 Q1ZZ ok 1 -\n"
       "Q0AA 07:04 Q1ZZ ok 1 -\nQ0BB 07:02 Q0ZZ ok 1 m\nQ0BB 07:05 Q1ZZ ok 1 -\n"
       "Q0BB 07:06 Q1YY unique 0 -\nQ0AA=4 Q0BB=2 "},
      {"QSO lines are not logs: three lines in two logs", "Unlogged=logs:3\nUnloggedPoints=1\n",
       [](Logs* l) {
         half(l, "3520 CW", "0700", "Q0AA", "599 001 AA", "Q0ZZ", "599 001 ZZ"),
             half(l, "7020 CW", "0701", "Q0AA", "599 002 AA", "Q0ZZ", "599 002 ZZ"),
             half(l, "3520 CW", "0702", "Q0BB", "599 001 BB", "Q0ZZ", "599 003 ZZ");
       },
       "Q0AA 07:00 Q0ZZ unique 0 -\nQ0AA 07:01 Q0ZZ unique 0 -\nQ0BB 07:02 Q0ZZ unique 0 -\n"
       "Q0AA=0 Q0BB=0 "},
      {"outside the band's frequency limits: not-contest on both sides",
       "Frequencies=80m/CW:3510-3560,40m:7000-7040\n",
       [](Logs* l) {
         both(l, "3570 CW", "0700", "Q0AA", "599 001 AA", "Q0BB", "599 001 BB"),
             both(l, "3560 CW", "0710", "Q0AA", "599 002 AA", "Q1CC", "599 001 CC"),
             both(l, "14020 CW", "0720", "Q0BB", "599 002 BB", "Q1CC", "599 002 CC");
       },
       "Q0AA 07:00 Q0BB not-contest 0 -\nQ0AA 07:10 Q1CC ok 2 m\nQ0BB 07:00 Q0AA not-contest 0 -\n"
       "Q0BB 07:20 Q1CC not-contest 0 -\nQ1CC 07:10 Q0AA ok 2 m\nQ1CC 07:20 Q0BB not-contest 0 -\n"
       "Q0AA=2 Q0BB=0 Q1CC=2 "},
      {"an exclusive end: the end minute is outside", "PeriodEnd=exclusive\n",
       [](Logs* l) {
         both(l, "3520 CW", "0859", "Q0AA", "599 001 AA", "Q0BB", "599 001 BB"),
             both(l, "3520 CW", "0900", "Q0AA", "599 002 AA", "Q1CC", "599 001 CC");
       },
       "Q0AA 08:59 Q0BB ok 2 m\nQ0AA 09:00 Q1CC outside-period 0 -\nQ0BB 08:59 Q0AA ok 2 m\n"
       "Q1CC 09:00 Q0AA outside-period 0 -\nQ0AA=2 Q0BB=2 Q1CC=0 "},
      {"a number compared as a number: zone 05 is zone 5", "Exchange=rst,number\n",
       [](Logs* l) {
         half(l, "3520 CW", "0700", "Q0AA", "599 05", "Q0BB", "599 14"),
             half(l, "3520 CW", "0700", "Q0BB", "599 014", "Q0AA", "599 5");
       },
       "Q0AA 07:00 Q0BB ok 2 m\nQ0BB 07:00 Q0AA ok 2 m\nQ0AA=2 Q0BB=2 "},
  };
  for (const Row& row : rows) {
    const bool ownExchange = row.keys.find("Exchange=") == 0;
    testing_support::writeFile(
        "sprint.ini", kSprint + row.keys + (ownExchange ? "" : "Exchange=rst,serial,word\n"));
    Logs logs;
    row.qsos(&logs);
    EXPECT_EQ(scored(check(logs, crosscheck::readContestDefinition("sprint.ini"))), row.scored)
        << row.rule;
  }
}

}  // namespace
