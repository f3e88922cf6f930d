// Multipliers, score formulas and points by relation, one rule a row: a few
// QSOs on a tiny country file, each entrant's points, multipliers and score.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "crosscheck/crosscheck.h"
#include "crosscheck/entrant_report.h"
#include "crosscheck/report_text.h"
#include "crosscheck/results_csv.h"
#include "crosscheck/results_json.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr char kCountryFile[] =
    "Germany:   14: 28: EU: 51.00: -10.00: -1.0: DL:\n"
    "    DK,DL;\n"
    "France:    14: 27: EU: 46.00:  -2.00: -1.0: F:\n"
    "    F;\n"
    "Sicily:    15: 28: EU: 37.50: -14.00: -1.0: *IT9:\n"
    "    IT9;\n"
    "Italy:     15: 28: EU: 42.00: -12.00: -1.0: I:\n"
    "    I;\n"
    "United States: 05: 08: NA: 37.53: 91.67: 5.0: K:\n"
    "    K,N,W,W6(3)[6];\n"
    "Canada:    05: 09: NA: 45.00:  80.00: 5.0: VE:\n"
    "    VE;\n"
    "Japan:     25: 45: AS: 36.00: -138.00: -9.0: JA:\n"
    "    JA;\n";

// One QSO both stations log as it was: "1200 20m DL1AA 599 14 W1DD 599 05".
struct Qso {
  std::string hhmm, band, a, aSent, b, bSent;
};

std::string frequencyOf(const std::string& band) {
  static const std::map<std::string, std::string> kKHz = {
      {"80m", "3520"}, {"40m", "7020"}, {"20m", "14020"}, {"15m", "21020"}};
  return kKHz.at(band);
}

std::string qsoLine(const Qso& q, bool fromA, const std::string& mode) {
  const std::string& own = fromA ? q.a : q.b;
  const std::string& other = fromA ? q.b : q.a;
  return "QSO: " + frequencyOf(q.band) + " " + mode + " 2025-11-29 " + q.hhmm + " " + own + " " +
         (fromA ? q.aSent : q.bSent) + " " + other + " " + (fromA ? q.bSent : q.aSent) + "\n";
}

struct Case {
  std::string name;
  // A shipped definition's file, or keys besides Name, Bands, Modes and Dupes.
  std::vector<std::string> keys;
  std::vector<Qso> qsos;
  std::string expected;  // "CALL points=N multipliers=M score=S" a line, by call
};

const std::vector<Qso> kDx = {
    {"1200", "20m", "DL1AA", "599 14", "DL2BB", "599 14"},
    {"1201", "20m", "DL1AA", "599 14", "F1CC", "599 14"},
    {"1202", "20m", "DL1AA", "599 14", "W1DD", "599 05"},
    {"1203", "40m", "DL1AA", "599 14", "W1DD", "599 05"},
    {"1204", "40m", "W1DD", "599 05", "VE1EE", "599 05"},
    {"1205", "40m", "W1DD", "599 05", "JA1FF", "599 25"},
    {"1206", "40m", "DL1AA", "599 14", "IT9GG", "599 15"},
};
const std::vector<std::string> kDxPoints = {
    "Exchange=rst,text",
    "RelationPoints=same-country=0,same-continent=1,NA-NA=2,other-continent=3"};

std::vector<std::string> with(std::vector<std::string> keys, const std::vector<std::string>& more) {
  keys.insert(keys.end(), more.begin(), more.end());
  return keys;
}

const Case kCases[] = {
    {"CQ World Wide: countries and zones per band, points by continent",
     {"cq-ww-dx-cw.ini"},
     kDx,
     "DL1AA points=8 multipliers=9 score=72\n"  // 20m DL F K 14 5; 40m K IT9 5 15
     "DL2BB points=0 multipliers=2 score=0\n"
     "F1CC points=1 multipliers=2 score=2\n"
     "IT9GG points=1 multipliers=2 score=2\n"
     "JA1FF points=3 multipliers=2 score=6\n"
     "VE1EE points=2 multipliers=2 score=4\n"
     "W1DD points=11 multipliers=8 score=88\n"},
    {"once in the contest, and the call's own zone from the country file",
     with(kDxPoints, {"Multipliers=country, cq-zone"}), kDx,
     "DL1AA points=8 multipliers=7 score=56\n"  // DL F K IT9; 14 5 15
     "DL2BB points=0 multipliers=2 score=0\n"
     "F1CC points=1 multipliers=2 score=2\n"
     "IT9GG points=1 multipliers=2 score=2\n"
     "JA1FF points=3 multipliers=2 score=6\n"
     "VE1EE points=2 multipliers=2 score=4\n"
     "W1DD points=11 multipliers=6 score=66\n"},
    {"a bonus per multiplier, continents per mode",
     with(kDxPoints, {"Multipliers=continent per mode", "Score=points + 10*multipliers"}), kDx,
     "DL1AA points=8 multipliers=2 score=28\n"
     "DL2BB points=0 multipliers=1 score=10\n"
     "F1CC points=1 multipliers=1 score=11\n"
     "IT9GG points=1 multipliers=1 score=11\n"
     "JA1FF points=3 multipliers=1 score=13\n"
     "VE1EE points=2 multipliers=1 score=12\n"
     "W1DD points=11 multipliers=3 score=41\n"},
    {"CQ WPX: a band's own points before every band's, prefixes once",
     {"cq-wpx-cw.ini"},
     {{"1200", "20m", "W1DD", "599 1", "JA1FF", "599 1"},
      {"1201", "40m", "W1DD", "599 2", "JA1FF", "599 2"},
      {"1202", "40m", "W1DD", "599 3", "VE1EE", "599 1"},
      {"1203", "40m", "W1DD", "599 4", "W6HH", "599 1"}},
     "JA1FF points=9 multipliers=1 score=9\n"
     "VE1EE points=4 multipliers=1 score=4\n"
     "W1DD points=14 multipliers=3 score=42\n"  // JA1 VE1 W6
     "W6HH points=1 multipliers=1 score=1\n"},
    {"CQ WPX: one's own country 1 point on every band, another of the continent 2 on 80 m",
     {"cq-wpx-cw.ini"},
     {{"1200", "80m", "DL1AA", "599 1", "DL2BB", "599 1"},
      {"1201", "20m", "DL1AA", "599 2", "DL2BB", "599 2"},
      {"1202", "80m", "DL1AA", "599 3", "F1CC", "599 1"}},
     "DL1AA points=4 multipliers=2 score=8\n"  // DL2 F1
     "DL2BB points=2 multipliers=1 score=2\n"
     "F1CC points=2 multipliers=1 score=2\n"},
    {"IARU: own zone and a society 1, same continent 3, else 5; 05 is zone 5",
     {"iaru-hf.ini"},
     {{"1200", "20m", "DL1AA", "599 28", "DL2BB", "599 DARC"},
      {"1201", "20m", "DL1AA", "599 28", "F1CC", "599 27"},
      {"1202", "20m", "DL1AA", "599 28", "IT9GG", "599 028"},
      {"1203", "20m", "DL1AA", "599 28", "W1DD", "599 08"}},
     "DL1AA points=10 multipliers=4 score=40\n"  // DARC 27 28 8
     "DL2BB points=3 multipliers=1 score=3\n"    // a society's own zone is no number
     "F1CC points=3 multipliers=1 score=3\n"
     "IT9GG points=1 multipliers=1 score=1\n"
     "W1DD points=5 multipliers=1 score=5\n"},
    {"points by one field of the exchange, no multipliers",
     {"Exchange=rst,serial,text", "PointsField=3", "Points=NM=1,*=5"},
     {{"1200", "80m", "DL1AA", "599 1 NM", "DL2BB", "599 1 123"},
      {"1201", "80m", "DL1AA", "599 2 NM", "F1CC", "599 1 NM"}},
     "DL1AA points=6 multipliers=0 score=6\n"
     "DL2BB points=1 multipliers=0 score=1\n"
     "F1CC points=1 multipliers=0 score=1\n"},
};

class MultipliersTest : public testing_support::TempDirTest {
 protected:
  std::string score(const Case& c) {
    std::map<std::string, std::string> byCall;
    for (const crosscheck::Entrant& x : check(c).entrants) {
      byCall[x.call] = x.call + " points=" + std::to_string(x.qsoPoints) +
                       " multipliers=" + std::to_string(x.multipliers.size()) +
                       " score=" + std::to_string(x.checkedScore) + "\n";
    }
    std::string text;
    for (const auto& entry : byCall) text += entry.second;
    return text;
  }

  crosscheck::Results check(const Case& c) {
    testing_support::writeFile("cty.dat", kCountryFile);
    std::string ini = "[Contest]\nName=T\nBands=80m,40m,20m\nModes=CW\nDupes=band\n";
    for (const std::string& key : c.keys) ini += key + "\n";
    testing_support::writeFile("t.ini", ini);
    const bool shipped = c.keys.size() == 1 && c.keys[0].find('=') == std::string::npos;
    std::map<std::string, std::string> logs;
    for (const Qso& q : c.qsos) {
      logs[q.a] += qsoLine(q, true, "CW");
      logs[q.b] += qsoLine(q, false, "CW");
    }
    crosscheck::Request request;
    for (const auto& [call, lines] : logs) {
      request.files.push_back(call + ".log");
      testing_support::writeFile(request.files.back(), "START-OF-LOG: 3.0\nCALLSIGN: " + call +
                                                           "\n" + lines + "END-OF-LOG:\n");
    }
    request.definition = crosscheck::readContestDefinition(
        shipped ? std::string(ZVK_CONTESTS_DIR) + "/" + c.keys[0] : "t.ini");
    request.countryFile = "cty.dat";
    return crosscheck::crosscheckContest(request);
  }
};

TEST_F(MultipliersTest, EachRuleCountsPointsMultipliersAndScore) {
  for (const Case& c : kCases) EXPECT_EQ(score(c), c.expected) << c.name;
}

// The outputs of a small contest with multipliers, whole: results.csv, a
// report, and results.json's multipliers of the entrant and of each line.
TEST_F(MultipliersTest, OutputsShowTheScoresPartsAndWhereEachMultiplierCameFrom) {
  const Case contest{"",
                     {"cq-ww-dx-cw.ini"},
                     {{"1200", "20m", "DL1AA", "599 14", "F1CC", "599 14"},
                      {"1201", "20m", "DL1AA", "599 14", "W1DD", "599 5"},
                      {"1202", "40m", "DL1AA", "599 14", "W1DD", "599 05"},
                      {"1203", "40m", "F1CC", "599 14", "W1DD", "599 05"}},
                     ""};
  const crosscheck::Results results = check(contest);
  std::ostringstream csv;
  crosscheck::writeResultsCsv(results, csv);
  EXPECT_EQ(csv.str(),
            "place,call,category,claimed,checked,qso_points,multipliers,qsos_logged,"
            "qsos_confirmed,error_rate_percent,claimed_by_rules\n"
            "1,W1DD,,,45,9,5,3,3,0.0,45\n"
            "2,DL1AA,,,42,7,6,3,3,0.0,42\n"
            "3,F1CC,,,16,4,4,2,2,0.0,16\n");
  const std::string report = crosscheck::reportText(crosscheck::entrantReport(results, 0));
  EXPECT_NE(report.find("Checked score:    45\n"
                        "QSO points:       9\n"
                        "Multipliers:      5\n"
                        "Score:            points*multipliers\n"),
            std::string::npos)
      << report;
  EXPECT_EQ(report.substr(report.find("\nMultipliers by band")),
            "\nMultipliers by band:\n"
            "  40m CW:           3\n"
            "  20m CW:           2\n"
            "\nMultipliers and the QSOs that gave them:\n"
            "  field 2 per band 14, country per band DL: W1DD.log:3: 2025-11-29 12:01 20m CW "
            "DL1AA sent 5 rcvd 14\n"
            "  field 2 per band 14, country per band DL: W1DD.log:4: 2025-11-29 12:02 40m CW "
            "DL1AA sent 05 rcvd 14\n"
            "  country per band F: W1DD.log:5: 2025-11-29 12:03 40m CW F1CC sent 05 rcvd 14\n");
  std::ostringstream json;
  crosscheck::writeResultsJson(results, json);
  const nlohmann::ordered_json document = nlohmann::ordered_json::parse(json.str());
  EXPECT_EQ(document["multipliers"].dump(), R"(["field 2 per band","country per band"])");
  EXPECT_EQ(document["scoreFormula"], "points*multipliers");
  const nlohmann::ordered_json& w1dd = document["entrants"][0];
  EXPECT_EQ(w1dd["qsoPoints"], 9);
  EXPECT_EQ(w1dd["multipliers"], 5);
  EXPECT_EQ(w1dd["multipliersByBand"].dump(),
            R"([{"band":"40m","mode":"CW","count":3},{"band":"20m","mode":"CW","count":2}])");
  std::string lines;
  for (const nlohmann::ordered_json& line : w1dd["lines"])
    lines += line["multipliers"].dump() + "\n";
  EXPECT_EQ(lines,
            "{\"field 2 per band\":\"14\",\"country per band\":\"DL\"}\n"
            "{\"field 2 per band\":\"14\",\"country per band\":\"DL\"}\n"
            "{\"country per band\":\"F\"}\n");
  // The writers fill one report over and over: each entrant's, made over
  // the one before (more rows or fewer), is the one made afresh.
  crosscheck::EntrantReport reused;
  for (std::size_t e : {0, 1, 2, 0, 2, 1}) {
    crosscheck::fillEntrantReport(results, e, &reused);
    EXPECT_EQ(crosscheck::reportText(reused),
              crosscheck::reportText(crosscheck::entrantReport(results, e)))
        << e;
  }
}

}  // namespace
