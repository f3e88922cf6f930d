// End to end: the built zvk-score driving the built plug-in.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/cli/json_value.h"
#include "tests/cli/zvk_score_runner.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::JsonValue;
using testing_support::readFile;
using testing_support::runZvkScore;
using testing_support::writeFile;

const std::string kSampleAdif = std::string(ZVK_EXAMPLES_DIR) + "/zvk-sample.adi";
const std::string kSampleCabrillo = std::string(ZVK_EXAMPLES_DIR) + "/zvk-sample.cbr";
const std::string kUbnName = "StatsZVK_30_11_2025.txt";

std::string golden(const std::string& name) {
  return readFile(std::string(ZVK_CLI_TEST_DATA) + "/" + name);
}

std::string filesWritten(const std::string& dir) {
  return "\n\nFiles written:\n  " + dir + "/" + kUbnName +
         "  (UBN file: rejected and duplicate QSOs)\n  " + dir +
         "/Plugins/ZVK-CW.ini  (settings)\n";
}

class ZvkScoreTest : public testing_support::TempDirTest {};

TEST_F(ZvkScoreTest, SampleInBothFormatsGivesTheSameSummaryAndFiles) {
  testing_support::ProgramRun adif = runZvkScore({kSampleAdif, "--out", "adif"});
  testing_support::ProgramRun cabrillo = runZvkScore({"--out=cabrillo", kSampleCabrillo});
  EXPECT_EQ(adif.exitCode, 0) << adif.err;
  EXPECT_EQ(cabrillo.exitCode, 0) << cabrillo.err;
  EXPECT_EQ(adif.out, golden("zvk-sample-summary.txt") + filesWritten("adif"));
  EXPECT_EQ(cabrillo.out, golden("zvk-sample-summary.txt") + filesWritten("cabrillo"));
  EXPECT_EQ(readFile("adif/" + kUbnName), golden("zvk-sample-ubn.txt"));
  EXPECT_EQ(readFile("cabrillo/" + kUbnName), golden("zvk-sample-ubn.txt"));
  EXPECT_EQ(readFile("adif/Plugins/ZVK-CW.ini"), "[Settings]\r\nClaimed=491\r\n");
  EXPECT_EQ(adif.err, "");
}

std::string dupeLinesOnly(const std::string& ubnFile) {
  std::string kept;
  for (std::size_t start = 0; start < ubnFile.size();) {
    std::size_t next = ubnFile.find("\r\n", start) + 2;
    std::string line = ubnFile.substr(start, next - start);
    if (start == 0 || line.find("   DUPE !!!\r\n") != std::string::npos) kept += line;
    start = next;
  }
  return kept;
}

TEST_F(ZvkScoreTest, CabrilloLogWrittenRescoresToTheSameSummary) {
  testing_support::ProgramRun run =
      runZvkScore({kSampleAdif, "--cabrillo", "--yes", "--out", "first"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, golden("zvk-sample-summary.txt") + filesWritten("first") +
                         "  first/Q1ZVK.cbr  (Cabrillo log)\n");
  EXPECT_EQ(run.err, "Output: File produced: Q1ZVK.cbr\n");
  testing_support::ProgramRun again = runZvkScore({"first/Q1ZVK.cbr", "--out", "again"});
  EXPECT_EQ(again.out, golden("zvk-sample-summary.txt") + filesWritten("again"));
  // Only stored QSOs reach the Cabrillo log: of the UBN lines the dupes remain.
  EXPECT_EQ(readFile("again/" + kUbnName), dupeLinesOnly(golden("zvk-sample-ubn.txt")));
}

std::string summaryFromJson(const JsonValue& json) {
  std::string text = json["contest"].string + "  " + json["period"]["from"].string + "-" +
                     json["period"]["to"].string +
                     " \r\n\tContestant: " + json["contestant"].string +
                     "\r\n\tQSOs\tPoints\t ZVK\r\n";
  auto row = [](const std::string& band, const JsonValue& value) {
    return band + "\t " + std::to_string(value["qsos"].number) + "\t " +
           std::to_string(value["points"].number) + "\t  " +
           std::to_string(value["members"].number) + "\r\n";
  };
  for (const JsonValue& band : json["bands"].array) text += row(band["band"].string, band);
  return text + row("Total", json["total"]) +
         "\r\nScore:   " + std::to_string(json["claimedScore"].number) + " \r\n\r\n";
}

std::vector<std::string> ubnQsoLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = text.find("\r\n") + 2; start < text.size();) {
    std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST_F(ZvkScoreTest, JsonAgreesWithTheTextSummaryAndTheUbnFile) {
  testing_support::ProgramRun text = runZvkScore({kSampleAdif});
  testing_support::ProgramRun run = runZvkScore({kSampleAdif, "--json", "--out", "json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  JsonValue json = testing_support::parseJson(run.out);
  std::string summary = summaryFromJson(json);
  EXPECT_EQ(text.out.substr(0, summary.size()), summary);
  EXPECT_EQ(json["claimedScore"].number, 491);

  std::vector<std::string> fromJson;
  for (const char* reason : {"NO CONTEST BAND", "NO CONTEST MODE", "NO RX/TX NUMBER", "DUPE"}) {
    for (const JsonValue& line : json["ubn"]["lines"][reason].array) {
      EXPECT_NE(line.string.find(std::string("   ") + reason + " !!!"), std::string::npos);
      fromJson.push_back(line.string);
    }
  }
  std::vector<std::string> fromFile = ubnQsoLines(readFile("json/" + kUbnName));
  std::sort(fromJson.begin(), fromJson.end());
  std::sort(fromFile.begin(), fromFile.end());
  EXPECT_EQ(fromJson, fromFile);
  EXPECT_EQ(json["ubn"]["lines"].object.size(), 4u);
  EXPECT_EQ(json["ubn"]["file"].string, "json/" + kUbnName);
  ASSERT_EQ(json["files"].array.size(), 2u);
  EXPECT_EQ(json["files"].array[0].string, "json/" + kUbnName);
  EXPECT_EQ(json["files"].array[1].string, "json/Plugins/ZVK-CW.ini");
}

TEST_F(ZvkScoreTest, QsosAreHandedOverInFileOrder) {
  writeFile("first.cbr", "QSO: 14021 CW 2025-11-29 1200 Q1ZVK 599 417 Q2AB 599 NM\n");
  writeFile("second.adi",
            "<call:4>Q2AB <qso_date:8>20251129 <time_on:4>1230 <freq:6>14.022 <mode:2>CW "
            "<stx:3>417 <srx:2>NM <eor>\n");
  for (const auto& order : {std::vector<std::string>{"first.cbr", "second.adi"},
                            std::vector<std::string>{"second.adi", "first.cbr"}}) {
    EXPECT_EQ(runZvkScore({order[0], order[1], "--call", "Q1ZVK", "--out", "out"}).exitCode, 0);
    const bool adifLast = order[1] == "second.adi";
    std::string dupe = adifLast
                           ? "QSO:  14022  CW  2025-11-29 1230  Q1ZVK    417  Q2AB    NM"
                           : "QSO:  14021  CW  2025-11-29 1200  Q1ZVK  599  417  Q2AB  599  NM";
    EXPECT_EQ(readFile("out/StatsZVK_29_11_2025.txt"),
              "ZVK-CW-CONTEST  UBN file \r\n" + dupe + "   DUPE !!!\r\n");
  }
}

TEST_F(ZvkScoreTest, CheckAnswersFromTheLoadedLog) {
  // The sample's QSOs lie far in the past, so none is inside the dupe window now.
  struct Case {
    std::vector<std::string> arguments;
    std::string out;
  } cases[] = {
      {{"check", kSampleAdif, "Q8XB", "80M"},
       "Q8XB on 80m CW would count\nExchange sent before: NM\n"},
      {{"check", kSampleCabrillo, "Q8XB", "160m"}, "Q8XB on 160m CW is not a contest QSO\n"},
      {{"check", kSampleAdif, "Q8XB", "20m", "ssb"}, "Q8XB on 20m SSB is not a contest QSO\n"},
      {{"check", "--json", kSampleCabrillo, "Q2UK", "40m"},
       "{\"call\": \"Q2UK\", \"band\": \"40m\", \"mode\": \"CW\", \"answer\": \"counts\", "
       "\"exchange\": \"966\"}\n"},
  };
  for (const Case& c : cases) {
    testing_support::ProgramRun run = runZvkScore(c.arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, c.out);
  }
}

TEST_F(ZvkScoreTest, BadInputGetsItsMessageAndExitCodeAndNothingIsWritten) {
  writeFile("notes.txt", "worked Q2AB on 40m\n");
  writeFile("length.adi", "<EOH>\n<CALL:x>Q2AB <EOR>\n");
  writeFile("date.adi", "<CALL:4>Q2AB <QSO_DATE:8>20251131 <TIME_ON:4>1200 <EOR>\n");
  writeFile("date.cbr", "START-OF-LOG: 3.0\nQSO: 7025 CW 2025-11-31 1200 Q1ZVK 599 1 Q2AB 599 2\n");
  writeFile("nocall.adi", "<CALL:4>Q2AB <QSO_DATE:8>20251129 <TIME_ON:4>1200 <EOR>\n");
  struct Case {
    std::vector<std::string> arguments;
    int exitCode;
    std::string err;
  } cases[] = {
      {{"missing.adi"}, 1, "missing.adi: cannot read: No such file or directory\n"},
      {{kSampleAdif, "missing.cbr"}, 1, "missing.cbr: cannot read: No such file or directory\n"},
      {{"notes.txt"},
       1,
       "notes.txt: unknown format: neither ADIF (<EOH>, <EOR>) nor Cabrillo (START-OF-LOG:, QSO: "
       "lines)\n"},
      {{"length.adi"}, 1, "length.adi:2: CALL: malformed length \"x\"\n"},
      {{"date.adi"}, 1, "date.adi:1: QSO_DATE: \"20251131\" is not a date (YYYYMMDD)\n"},
      {{"date.cbr"}, 1, "date.cbr:2: date: \"2025-11-31\" is not a date (YYYY-MM-DD)\n"},
      {{"nocall.adi"}, 2, "the logs name no own call sign: give --call\n"},
      {{kSampleAdif, "--to", "2025-11-31"},
       2,
       "--to: \"2025-11-31\" is not a date (YYYY-MM-DD or YYYY-MM-DDTHH:MM, UTC)\n"},
      {{kSampleAdif, "--frobnicate"}, 2, "unknown option --frobnicate\n"},
      {{kSampleAdif, "--call"}, 2, "--call needs a value\n"},
      {{}, 2, "no log file given\n"},
      {{"check", kSampleAdif, "Q8XB"}, 2, "check needs LOG CALL BAND [MODE]\n"},
      {{kSampleAdif, "--plugin", "./libNone.so"},
       3,
       "cannot load the plug-in: ./libNone.so: cannot open shared object file: No such file or "
       "directory\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.end(), {"--out", "out"});
    testing_support::ProgramRun run = runZvkScore(arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.err;
    std::string message = "zvk-score: " + c.err;
    EXPECT_EQ(run.err.substr(0, message.size()), message);  // usage errors add the usage
    EXPECT_EQ(run.err.size() > message.size(), c.exitCode == 2) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists("out")) << c.err;
  }
}

TEST_F(ZvkScoreTest, PeriodAndContestantCanBeGiven) {
  testing_support::ProgramRun run = runZvkScore(
      {kSampleCabrillo, "--call", "Q9ZZ", "--from", "2025-11-29T12:00", "--to", "2025-12-01"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  std::string summary = golden("zvk-sample-summary.txt");
  summary.replace(0, summary.find("\r\n\tQSOs"),
                  "ZVK-CW-CONTEST  29.11-01.12.2025 \r\n\tContestant: Q9ZZ");
  EXPECT_EQ(run.out, summary +
                         "\n\nFiles written:\n  StatsZVK_01_12_2025.txt  (UBN file: rejected and "
                         "duplicate QSOs)\n  Plugins/ZVK-CW.ini  (settings)\n");
}

}  // namespace
