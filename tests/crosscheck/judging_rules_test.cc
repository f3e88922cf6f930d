// What each kind of error costs, what a station without a log earns, and
// where and when a QSO counts: one row per rule on a few QSOs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "crosscheck/crosscheck.h"
#include "tests/crosscheck/scored_lines.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::both;
using testing_support::check;
using testing_support::half;
using testing_support::Logs;
using testing_support::scored;

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
      {"a station without a log counts in enough QSO lines, for its own points, its region a "
       "multiplier only when one of its country's (Q0ZZ on two bands: 2 x 4 points)",
       "Unlogged=lines:3\nUnloggedPoints=1\nMultipliers=field 3 per band\n",
       [](Logs* l) {
         half(l, "3520 CW", "0700", "Q0AA", "599 001 AA", "Q0ZZ", "599 001 ZZ"),
             half(l, "7020 CW", "0701", "Q0AA", "599 002 AA", "Q0ZZ", "599 002 ZZ"),
             half(l, "3520 CW", "0702", "Q0BB", "599 001 BB", "Q0ZZ", "599 003 ZZ"),
             half(l, "3520 CW", "0703", "Q0AA", "599 003 AA", "Q1ZZ", "599 001 ZZ"),
             half(l, "7020 CW", "0704", "Q0AA", "599 004 AA", "Q1ZZ", "599 002 ZZ"),
             half(l, "3520 CW", "0705", "Q0BB", "599 002 BB", "Q1ZZ", "599 003 ZZ"),
             half(l, "3520 CW", "0706", "Q0BB", "599 003 BB", "Q1YY", "599 001 CC");
       },
       "Q0AA 07:00 Q0ZZ ok 1 m\nQ0AA 07:01 Q0ZZ ok 1 m\nQ0AA 07:03 Q1ZZ ok 1 m\n"
       "Q0AA 07:04 Q1ZZ ok 1 m\nQ0BB 07:02 Q0ZZ ok 1 m\nQ0BB 07:05 Q1ZZ ok 1 m\n"
       "Q0BB 07:06 Q1YY unique 0 -\nQ0AA=8 Q0BB=2 "},
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
