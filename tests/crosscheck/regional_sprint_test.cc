// The shipped regional sprint on a small contest of its own: every line's
// points and the report of one entrant, compared whole.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "crosscheck/crosscheck.h"
#include "crosscheck/entrant_report.h"
#include "crosscheck/report_text.h"
#include "tests/crosscheck/scored_lines.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::check;
using testing_support::half;
using testing_support::Logs;
using testing_support::scored;

class RegionalSprintTest : public testing_support::TempDirTest {};

// A contest of the shipped regional sprint: serials counted per station,
// each station's region sent as the example list has it.
class SprintContest {
 public:
  // What `a` logs of a QSO with `b`; `b`'s log is `b`'s business.
  void logs(const std::string& where, const std::string& hhmm, const std::string& a,
            const std::string& b, const std::string& bCall, const std::string& bRegion) {
    const std::string sent = "599 " + serial(a, 0) + " " + region(a);
    const std::string rcvd = "599 " + serial(b, 0) + " " + bRegion;
    half(&logs_, where, hhmm, a, sent, bCall, rcvd);
  }
  // A clean QSO in both logs.
  void qso(const std::string& where, const std::string& hhmm, const std::string& a,
           const std::string& b) {
    logs(where, hhmm, a, b, b, region(b));
    logs(where, hhmm, b, a, a, region(a));
    next(a), next(b);
  }
  void next(const std::string& call) { ++serials_[call]; }
  const Logs& all() const { return logs_; }

 private:
  std::string serial(const std::string& call, int ahead) {
    const int number = serials_[call] + 1 + ahead;
    return std::string(number < 10 ? "00" : "0") + std::to_string(number);
  }
  static std::string region(const std::string& call) {
    static const std::map<std::string, std::string> kRegions = {
        {"PA1AA", "NH"}, {"PA2BB", "UT"}, {"ON4CC", "AN"}, {"ON5DD", "LG"},
        {"PD3EE", "GR"}, {"ON9ZZ", "OV"}, {"PA9YY", "XX"}};
    return kRegions.at(call);
  }

  Logs logs_;
  std::map<std::string, int> serials_;
};

TEST_F(RegionalSprintTest, TheShippedSprintScoresItsSampleContestAsItsRulesSay) {
  const std::vector<std::string> entrants = {"PA1AA", "PA2BB", "ON4CC", "ON5DD", "PD3EE"};
  SprintContest c;
  int minute = 0;
  auto at = [&minute] {
    const int m = minute++;
    return "07" + std::string(m < 10 ? "0" : "") + std::to_string(m);
  };
  for (std::size_t i = 0; i < entrants.size(); ++i) {
    for (std::size_t j = i + 1; j < entrants.size(); ++j) {
      const std::string& a = entrants[i];
      const std::string& b = entrants[j];
      if (a == "PA1AA" && b == "PA2BB") {  // PA1AA copies UY for UT
        const std::string hhmm = at();
        c.logs("3520 CW", hhmm, "PA1AA", "PA2BB", "PA2BB", "UY");
        c.logs("3520 CW", hhmm, "PA2BB", "PA1AA", "PA1AA", "NH");
        c.next(a), c.next(b);
      } else if (a == "PA2BB" && b == "ON4CC") {
        c.qso("3575 CW", at(), a, b);  // above the sub-band
      } else {
        c.qso("3520 CW", at(), a, b);
      }
    }
  }
  for (const std::string& a : entrants) {
    c.qso("3520 CW", at(), a, "ON9ZZ");
    c.qso("7020 CW", at(), a, "ON9ZZ");
  }
  c.qso("3530 CW", at(), "PA1AA", "PA9YY");
  c.qso("3530 CW", at(), "PA2BB", "PA9YY");
  const std::string hhmm = at();  // ON4CC copies ON5DB for ON5DD
  c.logs("7020 CW", hhmm, "ON4CC", "ON5DD", "ON5DB", "LG");
  c.logs("7020 CW", hhmm, "ON5DD", "ON4CC", "ON4CC", "AN");
  c.next("ON4CC"), c.next("ON5DD");
  c.logs("7030 CW", at(), "PD3EE", "PA1AA", "PA1AA", "NH");  // not in PA1AA's log
  c.next("PD3EE");
  c.qso("7030 CW", "0900", "PA1AA", "ON5DD");  // the end minute
  Logs logs = c.all();
  logs.erase("ON9ZZ"), logs.erase("PA9YY");  // they sent no log
  const crosscheck::Results results =
      check(logs, crosscheck::readContestDefinition(ZVK_CONTESTS_DIR "/regional-sprint.ini"));
  // 2 points a QSO, 1 for ON9ZZ (in ten QSO lines), none for PA9YY (in two);
  // times the regions per band of the lines that count.
  EXPECT_EQ(scored(results),
            "ON4CC 07:01 PA1AA ok 2 m\n"
            "ON4CC 07:04 PA2BB not-contest 0 -\n"
            "ON4CC 07:07 ON5DD ok 2 m\n"
            "ON4CC 07:08 PD3EE ok 2 m\n"
            "ON4CC 07:14 ON9ZZ ok 1 m\n"
            "ON4CC 07:15 ON9ZZ ok 1 m\n"
            "ON4CC 07:22 ON5DB busted-call 0 -\n"
            "ON5DD 07:02 PA1AA ok 2 m\n"
            "ON5DD 07:05 PA2BB ok 2 m\n"
            "ON5DD 07:07 ON4CC ok 2 m\n"
            "ON5DD 07:09 PD3EE ok 2 m\n"
            "ON5DD 07:16 ON9ZZ ok 1 m\n"
            "ON5DD 07:17 ON9ZZ ok 1 m\n"
            "ON5DD 07:22 ON4CC partner-busted-call 0 -\n"
            "ON5DD 09:00 PA1AA outside-period 0 -\n"
            "PA1AA 07:00 PA2BB busted-exchange 1 -\n"
            "PA1AA 07:01 ON4CC ok 2 m\n"
            "PA1AA 07:02 ON5DD ok 2 m\n"
            "PA1AA 07:03 PD3EE ok 2 m\n"
            "PA1AA 07:10 ON9ZZ ok 1 m\n"
            "PA1AA 07:11 ON9ZZ ok 1 m\n"
            "PA1AA 07:20 PA9YY unique 0 -\n"
            "PA1AA 09:00 ON5DD outside-period 0 -\n"
            "PA2BB 07:00 PA1AA ok 2 m\n"
            "PA2BB 07:04 ON4CC not-contest 0 -\n"
            "PA2BB 07:05 ON5DD ok 2 m\n"
            "PA2BB 07:06 PD3EE ok 2 m\n"
            "PA2BB 07:12 ON9ZZ ok 1 m\n"
            "PA2BB 07:13 ON9ZZ ok 1 m\n"
            "PA2BB 07:21 PA9YY unique 0 -\n"
            "PD3EE 07:03 PA1AA ok 2 m\n"
            "PD3EE 07:06 PA2BB ok 2 m\n"
            "PD3EE 07:08 ON4CC ok 2 m\n"
            "PD3EE 07:09 ON5DD ok 2 m\n"
            "PD3EE 07:18 ON9ZZ ok 1 m\n"
            "PD3EE 07:19 ON9ZZ ok 1 m\n"
            "PD3EE 07:23 PA1AA not-in-log 0 -\n"
            "ON4CC=40 ON5DD=60 PA1AA=45 PA2BB=40 PD3EE=60 ");
  for (std::size_t e = 0; e < results.entrants.size(); ++e) {
    const crosscheck::EntrantReport report = crosscheck::entrantReport(results, e);
    if (report.call == "ON4CC") {
      EXPECT_EQ(report.lost.at(0).reason,
                "logged on 80m CW outside the contest's frequencies, 3510-3560 kHz");
    }
    if (report.call != "PA1AA") continue;
    EXPECT_EQ(crosscheck::reportText(report),
              "Log check of PA1AA\n\n"
              "Contest:          REGIONAL-SPRINT\n"
              "File:             PA1AA.log\n"
              "Category:         -\n"
              "Place:            3 in -\n"
              "Claimed score:    70\n"
              "Checked score:    45\n"
              "QSO points:       9\n"
              "Multipliers:      5\n"
              "Score:            points*multipliers\n"
              "Clock offset:     0 minutes\n"
              "QSOs logged:      8\n"
              "QSOs confirmed:   5\n"
              "Error rate:       14.3 %\n\n"
              "QSOs that lost points or were judged by hand: 5\n\n"
              "PA1AA.log:3: 2025-06-14 07:00 80m CW PA2BB sent 001 NH rcvd 001 UY\n"
              "  busted-exchange, 1 points lost: 1 point: you copied UY, they sent UT\n"
              "  other log PA2BB.log:3: 2025-06-14 07:00 80m CW PA1AA sent 001 UT rcvd 001 NH\n\n"
              "PA1AA.log:7: 2025-06-14 07:10 80m CW ON9ZZ sent 005 NH rcvd 001 OV\n"
              "  ok, 1 points lost: ON9ZZ sent no log and is in 10 or more QSO lines: credited "
              "with 1 point\n\n"
              "PA1AA.log:8: 2025-06-14 07:11 40m CW ON9ZZ sent 006 NH rcvd 002 OV\n"
              "  ok, 1 points lost: ON9ZZ sent no log and is in 10 or more QSO lines: credited "
              "with 1 point\n\n"
              "PA1AA.log:9: 2025-06-14 07:20 80m CW PA9YY sent 007 NH rcvd 001 XX\n"
              "  unique, 2 points lost: PA9YY sent no log and is in fewer than 10 QSO lines of all "
              "logs (not credited)\n\n"
              "PA1AA.log:10: 2025-06-14 09:00 40m CW ON5DD sent 008 NH rcvd 008 LG\n"
              "  outside-period, 0 points lost: logged outside the contest period, 2025-06-14 "
              "07:00 to 2025-06-14 08:59\n"
              "  other log ON5DD.log:10: 2025-06-14 09:00 40m CW PA1AA sent 008 LG rcvd 008 NH\n"
              "\nMultipliers by band:\n"
              "  80m CW:           4\n"
              "  40m CW:           1\n"
              "\nMultipliers and the QSOs that gave them:\n"
              "  field 3 per band AN: PA1AA.log:4: 2025-06-14 07:01 80m CW ON4CC sent 002 NH rcvd "
              "001 AN\n"
              "  field 3 per band LG: PA1AA.log:5: 2025-06-14 07:02 80m CW ON5DD sent 003 NH rcvd "
              "001 LG\n"
              "  field 3 per band GR: PA1AA.log:6: 2025-06-14 07:03 80m CW PD3EE sent 004 NH rcvd "
              "001 GR\n"
              "  field 3 per band OV: PA1AA.log:7: 2025-06-14 07:10 80m CW ON9ZZ sent 005 NH rcvd "
              "001 OV\n"
              "  field 3 per band OV: PA1AA.log:8: 2025-06-14 07:11 40m CW ON9ZZ sent 006 NH rcvd "
              "002 OV\n");
  }
}

}  // namespace
