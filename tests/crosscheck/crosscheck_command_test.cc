// zvk-score crosscheck end to end: whole outputs, broken and duplicate logs,
// the overrides file, the output folder, and the claimed score beside the
// plug-in's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "crosscheck/crosscheck.h"
#include "tests/cli/zvk_score_runner.h"
#include "tests/crosscheck/synthetic_contest.h"
#include "tests/support/temp_dir.h"

namespace {

using synthetic::qso;
using synthetic::Station;
using testing_support::readFile;
using testing_support::runZvkScore;
using testing_support::writeFile;

Station withHeader(Station station, std::vector<std::string> header) {
  station.header = std::move(header);
  return station;
}

// Three stations: a clean QSO each way, a dupe, a QSO missing from one log
// and a miscopied call.
void writeSmallContest(const std::string& dir) {
  std::filesystem::create_directories(dir);
  synthetic::Contest contest("2025-11-29", 1200, synthetic::Exchange::kFixed);
  contest.add(withHeader(Station("DL1AA", "101"), {"CATEGORY-OPERATOR: SINGLE-OP",
                                                   "CATEGORY-POWER: LOW", "CLAIMED-SCORE: 16"}));
  contest.add(
      withHeader(Station("OK1BB", "NM"), {"CATEGORY-OPERATOR: SINGLE-OP", "CATEGORY-POWER: HIGH"}));
  contest.add(
      withHeader(Station("OM3CC", "103"), {"CATEGORY-OPERATOR: SINGLE-OP", "CATEGORY-POWER: LOW"}));
  contest.add(qso("DL1AA", "OK1BB", 10));
  contest.add(qso("DL1AA", "OM3CC", 20, "20m"));
  contest.add(synthetic::missingFromB(qso("OK1BB", "OM3CC", 30)));
  contest.add(synthetic::aMiscopiesCall(qso("OM3CC", "DL1AA", 40, "80m"), "DL1AB"));
  contest.add(synthetic::judged(qso("DL1AA", "OK1BB", 50), "dupe", "dupe"));
  contest.write(dir);
}

class CrosscheckCommandTest : public testing_support::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    writeSmallContest("logs");
  }

  // The logs folder holding these logs (name, text) instead of the small contest.
  static void replaceLogs(const std::vector<std::pair<std::string, std::string>>& logs) {
    std::filesystem::remove_all("logs");
    std::filesystem::create_directory("logs");
    for (const auto& [name, text] : logs) writeFile("logs/" + name, text);
  }
};

TEST_F(CrosscheckCommandTest, WritesTheResultsAndEachEntrantsReport) {
  testing_support::ProgramRun run = runZvkScore({"crosscheck", "logs", "--out", "out"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "3 logs checked (0 unreadable, 0 duplicate calls), 9 QSO lines: 5 ok, 0 not-contest, "
            "0 outside-period, 2 dupe, 1 not-in-log, 1 busted-call, 0 busted-exchange, 0 unique; "
            "written to out\n");
  EXPECT_EQ(readFile("out/results.csv"),
            "place,call,category,claimed,checked,qsos_logged,qsos_confirmed,error_rate_percent,"
            "claimed_by_rules\n"
            "1,OK1BB,SINGLE-OP HIGH,,5,3,1,50.0,15\n"
            "1,DL1AA,SINGLE-OP LOW,16,11,4,3,0.0,12\n"
            "2,OM3CC,SINGLE-OP LOW,,5,2,1,50.0,10\n");
  EXPECT_EQ(readFile("out/reports/OM3CC.txt"),
            "Log check of OM3CC\n"
            "\n"
            "Contest:          ZVK-CW-CONTEST\n"
            "File:             OM3CC.log\n"
            "Category:         SINGLE-OP LOW\n"
            "Place:            2 in SINGLE-OP LOW\n"
            "Claimed score:    10\n"
            "Checked score:    5\n"
            "Clock offset:     0 minutes\n"
            "QSOs logged:      2\n"
            "QSOs confirmed:   1\n"
            "Error rate:       50.0 %\n"
            "\n"
            "QSOs that lost points or were judged by hand: 1\n"
            "\n"
            "OM3CC.log:6: 2025-11-29 12:40 80m CW DL1AB sent 103 rcvd 101\n"
            "  busted-call, 5 points lost: the station was DL1AA: its log holds this QSO with your "
            "call\n"
            "  other log DL1AA.log:8: 2025-11-29 12:40 80m CW OM3CC sent 101 rcvd 103\n");
}

TEST_F(CrosscheckCommandTest, JsonNamesEachLinesPartnerAndTheContestPeriod) {
  ASSERT_EQ(runZvkScore({"crosscheck", "logs", "--out", "out"}).exitCode, 0);
  nlohmann::json json = nlohmann::json::parse(readFile("out/results.json"));
  EXPECT_EQ(json["contest"], "ZVK-CW-CONTEST");
  EXPECT_EQ(json["period"],
            nlohmann::json({{"from", "2025-11-29T12:10"}, {"to", "2025-11-29T12:50"}}));
  const nlohmann::json& om3cc = json["entrants"][2];
  EXPECT_EQ(om3cc["category"],
            nlohmann::json({{"CATEGORY-OPERATOR", "SINGLE-OP"}, {"CATEGORY-POWER", "LOW"}}));
  EXPECT_EQ(om3cc["lines"][1],
            nlohmann::json::parse(R"({"line":6,"time":"2025-11-29T12:40","band":"80m","mode":"CW",
              "call":"DL1AB","exchSent":"103","exchRcvd":"101","result":"busted-call","points":0,
              "claimedPoints":5,"correctCall":"DL1AA","correctExch":null,
              "partner":{"call":"DL1AA","file":"DL1AA.log","line":8},"override":null})"));
}

// The shorter of two logs of one call is listed and not used, whether its
// file comes before the longer one or after it.
TEST_F(CrosscheckCommandTest, BrokenAndDuplicateLogsAreListedAndTheOthersChecked) {
  writeFile("logs/broken.log",
            "START-OF-LOG: 3.0\nCALLSIGN: SP9ZZ\nQSO:  7025 CW 2025-11-31 1210 SP9ZZ 599 1 DL1AA "
            "599 101\n");
  for (const std::string shorter : {"dl1aa-short.log", "DL1AA-0.log"}) {
    writeFile("logs/" + shorter,
              "START-OF-LOG: 3.0\nCALLSIGN: DL1AA\nQSO:  7025 CW 2025-11-29 1210 DL1AA 599 101 "
              "OK1BB 599 NM\n");
    testing_support::ProgramRun run = runZvkScore({"crosscheck", "logs", "--out", "out"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "logs/broken.log:3: date: \"2025-11-31\" is not a date (YYYY-MM-DD)\n");
    nlohmann::json json = nlohmann::json::parse(readFile("out/results.json"));
    EXPECT_EQ(json["unreadable"], nlohmann::json::parse(R"j([{"file":"broken.log","line":3,
              "error":"date: \"2025-11-31\" is not a date (YYYY-MM-DD)"
}])j"));
    std::vector<std::string> files = {"DL1AA.log", shorter};
    std::sort(files.begin(), files.end());
    EXPECT_EQ(json["duplicateLogs"],
              nlohmann::json({{{"call", "DL1AA"}, {"files", files}, {"used", "DL1AA.log"}}}));
    EXPECT_EQ(json["entrants"].size(), 3u);
    std::filesystem::remove("logs/" + shorter);
  }
}

// A log of another contest is listed with the reason, not ranked; one of
// another year is checked, each line outside the period. A date alone as the
// period's end takes in that whole day.
TEST_F(CrosscheckCommandTest, LogOfAnotherContestIsListedAndNotChecked) {
  writeFile("logs/arrl.log",
            "START-OF-LOG: 3.0\nCONTEST: ARRL-DX-CW\nCALLSIGN: SP9ZZ\nQSO:  7025 CW 2025-11-29 "
            "1210 SP9ZZ 599 1 DL1AA 599 101\n");
  writeFile("logs/old.log",
            "START-OF-LOG: 3.0\nCONTEST: ZVK-CW-CONTEST\nCALLSIGN: SP8YY\nQSO:  7025 CW 2024-11-29 "
            "1210 SP8YY 599 1 DL1AA 599 101\n");
  testing_support::ProgramRun run = runZvkScore(
      {"crosscheck", "logs", "--out", "out", "--from", "2025-11-29T12:00", "--to", "2025-11-29"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err,
            "logs/arrl.log: CONTEST: \"ARRL-DX-CW\" is another contest; this one is ZVK CW "
            "Contest\n");
  nlohmann::json json = nlohmann::json::parse(readFile("out/results.json"));
  EXPECT_EQ(json["unreadable"].size(), 1u);
  EXPECT_EQ(json["entrants"].size(), 4u);
  EXPECT_EQ(json["period"].dump(), R"({"from":"2025-11-29T12:00","to":"2025-11-29T23:59"})");
  EXPECT_NE(readFile("out/reports/SP8YY.txt").find("outside the contest period"),
            std::string::npos);
}

TEST_F(CrosscheckCommandTest, OverridesAreAppliedLastAndShownWithTheirReason) {
  writeFile("overrides.txt", "# organisers\nOK1BB 6 ok OM3CC confirmed by mail\n");
  ASSERT_EQ(
      runZvkScore({"crosscheck", "logs", "--out", "out", "--overrides", "overrides.txt"}).exitCode,
      0);
  EXPECT_NE(readFile("out/results.csv").find("1,OK1BB,SINGLE-OP HIGH,,10,3,2,0.0,15\n"),
            std::string::npos);
  const std::string report = readFile("out/reports/OK1BB.txt");
  EXPECT_NE(report.find("OK1BB.log:6: 2025-11-29 12:30 40m CW OM3CC sent NM rcvd 103\n"
                        "  ok, 0 points lost: confirmed\n"
                        "  judged by the organisers: OM3CC confirmed by mail\n"),
            std::string::npos)
      << report;
}

// A log's bytes that are no UTF-8 are Latin-1 in results.json, as in
// zvk-score --json, not lost.
TEST_F(CrosscheckCommandTest, TextsThatAreNoUtf8AreReadAsLatin1) {
  writeFile("logs/SP9ZZ.log",
            "START-OF-LOG: 3.0\nCALLSIGN: SP9ZZ\nQSO:  7025 CW 2025-11-29 1210 SP9ZZ 599 1 DL1\xC9"
            "A "
            "599 101\n");
  ASSERT_EQ(runZvkScore({"crosscheck", "logs", "--out", "out"}).exitCode, 0);
  nlohmann::json json = nlohmann::json::parse(readFile("out/results.json"));
  const nlohmann::json& entrants = json["entrants"];
  const auto sp9zz = std::find_if(entrants.begin(), entrants.end(),
                                  [](const nlohmann::json& e) { return e["call"] == "SP9ZZ"; });
  ASSERT_NE(sp9zz, entrants.end()) << entrants;
  EXPECT_EQ((*sp9zz)["lines"][0]["call"], "DL1\u00c9A");
}

// A field day: Q0BB miscopies Q0AA's exchange, which voids the QSO for both.
TEST_F(CrosscheckCommandTest, FieldDayCountsThePartnerResultsAndQuotesBothLogs) {
  std::filesystem::create_directory("fd");
  writeFile("fd/Q0AA.log",
            "START-OF-LOG: 3.0\nCALLSIGN: Q0AA\n"
            "QSO: 3534 CW 2017-08-19 0701 Q0AA 002 001 Q0BB 002 001\n");
  writeFile("fd/Q0BB.log",
            "START-OF-LOG: 3.0\nCALLSIGN: Q0BB\n"
            "QSO: 3534 CW 2017-08-19 0701 Q0BB 002 001 Q0AA 002 002\n");
  testing_support::ProgramRun run =
      runZvkScore({"crosscheck", "--contest", ZVK_CONTESTS_DIR "/field-day-80m.ini", "--from",
                   "2017-08-19T07:00", "--to", "2017-08-19T10:00", "fd", "--out", "out"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "2 logs checked (0 unreadable, 0 duplicate calls), 2 QSO lines: 0 ok, 0 not-contest, "
            "0 outside-period, 0 dupe, 0 not-in-log, 0 busted-call, 1 busted-exchange, 0 unique, "
            "0 partner-busted-call, 1 partner-busted-exchange; written to out\n");
  const std::string report = readFile("out/reports/Q0AA.txt");
  EXPECT_NE(report.find("\nQ0AA.log:3: 2017-08-19 07:01 80m CW Q0BB sent 002 001 rcvd 002 001\n"
                        "  partner-busted-exchange, 2 points lost: Q0BB logged 002 002, you sent "
                        "002 001: an error by either side voids the QSO for both\n"
                        "  other log Q0BB.log:3: 2017-08-19 07:01 80m CW Q0AA sent 002 001 "
                        "rcvd 002 002\n"),
            std::string::npos)
      << report;
}

struct BadOverride {
  const char* line;
  const char* error;
};

TEST_F(CrosscheckCommandTest, BadOverrideLineIsRejectedAndNothingWritten) {
  const BadOverride kCases[] = {
      {"OK1BB 6 confirmed reason", "overrides.txt:1: RESULT: \"confirmed\" is no result"},
      {"OK1BB four ok reason", "overrides.txt:1: LINE: \"four\" is not a line number"},
      {"OK1BB 6 ok", "overrides.txt:1: reason: missing"},
      {"SP9ZZ 6 ok reason", "overrides.txt:1: CALL: SP9ZZ sent no log"},
      {"OK1BB 99 ok reason", "overrides.txt:1: LINE: OK1BB.log holds no QSO on line 99"},
  };
  std::filesystem::create_directory("out");
  writeFile("out/keep", "earlier results");
  for (const BadOverride& c : kCases) {
    writeFile("overrides.txt", std::string(c.line) + "\n");
    testing_support::ProgramRun run =
        runZvkScore({"crosscheck", "logs", "--out", "out", "--overrides", "overrides.txt"});
    EXPECT_EQ(run.exitCode, 2) << c.line;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
    EXPECT_EQ(readFile("out/keep"), "earlier results") << c.line;
  }
}

TEST_F(CrosscheckCommandTest, ExistingFolderIsReplacedWholeOnlyAfterSuccess) {
  writeFile("out/stale.txt", "old");
  ASSERT_EQ(runZvkScore({"crosscheck", "logs", "--out", "out"}).exitCode, 0);
  EXPECT_FALSE(testing_support::fileExists("out/stale.txt"));
  EXPECT_TRUE(testing_support::fileExists("out/reports/DL1AA.txt"));
  writeFile("file", "");
  EXPECT_EQ(runZvkScore({"crosscheck", "logs", "--out", "file/out"}).exitCode, 3);
  EXPECT_EQ(runZvkScore({"crosscheck", "logs", "--bogus"}).exitCode, 2);
  EXPECT_EQ(runZvkScore({"crosscheck", "--out", "out"}).exitCode, 2);
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    EXPECT_NE(entry.path().filename().string().rfind(".out.tmp-", 0), 0u) << "left behind";
  }
}

// The claimed score is the plug-in's: zvk-score's total for the same file.
TEST_F(CrosscheckCommandTest, ClaimedScoreEqualsThePluginsForEachLog) {
  std::vector<std::string> files = {std::string(ZVK_EXAMPLES_DIR) + "/zvk-sample.cbr",
                                    std::string(ZVK_EXAMPLES_DIR) + "/zvk-sample.adi",
                                    "logs/DL1AA.log", "logs/OK1BB.log", "logs/OM3CC.log"};
  if (std::filesystem::is_directory(ZVK_SAMPLES_DIR)) {
    for (const auto& entry : std::filesystem::directory_iterator(ZVK_SAMPLES_DIR)) {
      if (entry.path().extension() != ".md") files.push_back(entry.path().string());
    }
  }
  for (const std::string& file : files) {
    testing_support::ProgramRun plugin = runZvkScore({file, "--json", "--out", "plugin"});
    ASSERT_EQ(plugin.exitCode, 0) << file << plugin.err;
    crosscheck::Request request;
    request.files = {file};
    request.definition = crosscheck::zvkCwDefinition();
    // The samples are logs of other contests, counted here by the ZVK rules all the same.
    request.definition.contestNames.clear();
    crosscheck::Results results = crosscheck::crosscheckContest(request);
    ASSERT_EQ(results.entrants.size(), 1u) << file;
    EXPECT_EQ(results.entrants[0].claimedByRules,
              nlohmann::json::parse(plugin.out)["total"]["points"].get<std::int64_t>())
        << file;
  }
}

}  // namespace

// Calls that make one safe file name each keep their own report and page,
// and a log with both the 2.0 and the 3.0 category lines has one category.
TEST_F(CrosscheckCommandTest, EachEntrantHasItsOwnFilesAndOneCategory) {
  replaceLogs({{"portable.log",
                "START-OF-LOG: 3.0\nCALLSIGN: Q1AB/P\nCATEGORY: SO-40M-CW-LOW\n"
                "CATEGORY-OPERATOR: SINGLE-OP\nCATEGORY-POWER: LOW\n"
                "QSO:  7025 CW 2025-11-29 1210 Q1AB/P 599 NM Q1AB_P 599 NM\n"},
               {"underscore.log",
                "START-OF-LOG: 3.0\nCALLSIGN: Q1AB_P\n"
                "QSO:  7025 CW 2025-11-29 1210 Q1AB_P 599 NM Q1AB/P 599 NM\n"}});
  ASSERT_EQ(runZvkScore({"crosscheck", "logs", "--out", "out"}).exitCode, 0);
  EXPECT_EQ(readFile("out/reports/Q1AB_P.txt").substr(0, 20), "Log check of Q1AB_P\n");
  EXPECT_EQ(readFile("out/reports/Q1AB_P-2.txt").substr(0, 20), "Log check of Q1AB/P\n");
  const std::string index = readFile("out/index.html");
  EXPECT_NE(index.find("href=\"entrants/Q1AB_P-2.html\">Q1AB/P<"), std::string::npos) << index;
  EXPECT_NE(index.find("href=\"entrants/Q1AB_P.html\">Q1AB_P<"), std::string::npos) << index;
  EXPECT_TRUE(testing_support::fileExists("out/entrants/Q1AB_P-2.html"));
  EXPECT_EQ(readFile("out/results.csv"),
            "place,call,category,claimed,checked,qsos_logged,qsos_confirmed,error_rate_percent,"
            "claimed_by_rules\n"
            "1,Q1AB_P,,,1,1,1,0.0,1\n"
            "1,Q1AB/P,SINGLE-OP LOW,,1,1,1,0.0,1\n");
}

// results.json holds a header tag given twice once, in its first place
// with its last value, as a JSON object takes a key set twice.
TEST_F(CrosscheckCommandTest, ARepeatedCategoryTagKeepsItsFirstPlaceAndLastValue) {
  replaceLogs({{"q1ab.log",
                "START-OF-LOG: 3.0\nCALLSIGN: Q1AB\nCATEGORY-POWER: LOW\n"
                "CATEGORY-OPERATOR: SINGLE-OP\nCATEGORY-POWER: QRP\n"
                "QSO:  7025 CW 2025-11-29 1210 Q1AB 599 NM Q1CD 599 NM\n"}});
  ASSERT_EQ(runZvkScore({"crosscheck", "logs", "--out", "out"}).exitCode, 0);
  const auto json = nlohmann::ordered_json::parse(readFile("out/results.json"));
  EXPECT_EQ(json["entrants"][0]["category"].dump(),
            R"({"CATEGORY-POWER":"QRP","CATEGORY-OPERATOR":"SINGLE-OP"})");
}

// A definition that cannot be read is answered by its message alone: the
// command line was right, so no usage text.
TEST_F(CrosscheckCommandTest, BadDefinitionIsAnsweredByItsMessageAlone) {
  writeFile("bad.ini",
            "[Contest]\nName=X\nBands=80m\nModes=CW\nExchange=fixed\nPoints=1\n"
            "Dupes=hour:4\n");
  testing_support::ProgramRun run =
      runZvkScore({"crosscheck", "--contest", "bad.ini", "logs", "--out", "out"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err,
            "zvk-score crosscheck: bad.ini: [Contest] Dupes: \"hour:4\" is not hours:N, minutes:N "
            "or band\n");
}
