#include "robot/upload_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "crosscheck/station_files.h"
#include "tests/support/temp_dir.h"

namespace robot {

// In the namespace of LineNote, where the comparisons of vectors look.
bool operator==(const LineNote& a, const LineNote& b) {
  return a.line == b.line && a.text == b.text && a.message == b.message;
}

std::ostream& operator<<(std::ostream& out, const LineNote& note) {
  return out << note.line << " [" << note.text << "] " << note.message;
}

namespace {

crosscheck::ContestDefinition contest() {
  crosscheck::ContestDefinition definition = crosscheck::zvkCwDefinition();
  definition.from = imports::UtcTime{2025, 11, 29, 12, 0, 0};
  definition.to = imports::UtcTime{2025, 11, 29, 17, 59, 0};
  return definition;
}

constexpr char kHeader[] =
    "START-OF-LOG: 3.0\n"
    "CALLSIGN: q1zvk\n"
    "CATEGORY-POWER: LOW\n"
    "CLAIMED-SCORE: 12\n";

constexpr char kQso[] = "QSO:  3524 CW 2025-11-29 1200 Q1ZVK 599 417 Q8XB 599 NM\n";

TEST(ReadUpload, ReadableLogGetsItsFactsAndEveryWarningByLine) {
  const std::string log = std::string(kHeader) +
                          "QSO:  3524 CW 2025-11-29 1200 Q1ZVK 599 417 Q8XB 599 NM\n"
                          "QSO: 14022 CW 2025-11-29 1303 Q1ZVK 599 417 Q4WZ 599 902\n"
                          "QSO: 14025 CW 2025-11-29 1310 Q1ZVK 599 417 Q4WZ 599 902\n"
                          "QSO:  1822 CW 2025-11-29 1320 Q1ZVK 599 417 Q2AB 599 NM\n"
                          "QSO: 14030 PH 2025-11-29 1330 Q1ZVK 59 417 Q2CD 59 NM\n"
                          "QSO:  7011 CW 2025-11-29 1800 Q1ZVK 599 417 Q3EF 599 NM\n"
                          "QSO:  7012 CW 2025-11-29 1400 Q1ZVK Q3GH\n"
                          "END-OF-LOG:\n";
  UploadReading reading = readUpload(log, contest());
  ASSERT_TRUE(reading.facts);
  const LogFacts& facts = *reading.facts;
  EXPECT_EQ(facts.call, "Q1ZVK");
  EXPECT_EQ(facts.category, "LOW");
  EXPECT_EQ(facts.qsos, 7);
  std::vector<std::pair<std::string, int>> bands;
  for (const BandCount& band : facts.bands) bands.emplace_back(band.band, band.qsos);
  EXPECT_EQ(bands, (std::vector<std::pair<std::string, int>>{
                       {"80m", 1}, {"40m", 2}, {"20m", 3}, {"160m", 1}}));
  // 1 (NM) + 5 (member) + 5 (the dupe is counted by the plug-in too); after the end: nothing.
  EXPECT_EQ(facts.claimedByRules, 11);
  EXPECT_EQ(facts.claimedScore, 12);
  EXPECT_EQ(facts.warnings,
            (std::vector<LineNote>{
                {0, "", "CATEGORY-OPERATOR: missing from the header"},
                {7, "QSO: 14025 CW 2025-11-29 1310 Q1ZVK 599 417 Q4WZ 599 902",
                 "dupe: Q4WZ was worked before on 20m CW"},
                {8, "QSO:  1822 CW 2025-11-29 1320 Q1ZVK 599 417 Q2AB 599 NM",
                 "160m CW: not one of the contest's bands and modes"},
                {9, "QSO: 14030 PH 2025-11-29 1330 Q1ZVK 59 417 Q2CD 59 NM",
                 "20m SSB: not one of the contest's bands and modes"},
                {10, "QSO:  7011 CW 2025-11-29 1800 Q1ZVK 599 417 Q3EF 599 NM",
                 "outside the contest period from 2025-11-29T12:00 to 2025-11-29T17:59"},
                {11, "QSO:  7012 CW 2025-11-29 1400 Q1ZVK Q3GH",
                 "exchange sent or received missing: no points by the contest's rules"}}));
  EXPECT_TRUE(reading.problems.empty());
}

struct RefusalCase {
  const char* name;
  std::string log;
  std::vector<LineNote> problems;
};

void PrintTo(const RefusalCase& value, std::ostream* out) { *out << value.name; }

class RefusedUpload : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedUpload, ListsEveryProblemWithItsLine) {
  UploadReading reading = readUpload(GetParam().log, contest());
  EXPECT_FALSE(reading.facts);
  EXPECT_EQ(reading.problems, GetParam().problems);
}

INSTANTIATE_TEST_SUITE_P(
    Logs, RefusedUpload,
    ::testing::Values(
        RefusalCase{"EveryBrokenQsoLine",
                    std::string(kHeader) +
                        "QSO:  3524 CW 2025-11-29 1200 Q1ZVK 599 417 Q8XB 599 NM\r\n"
                        "QSO: 14x22 CW 2025-11-29 1303 Q1ZVK 599 417 Q4WZ 599 902\r\n"
                        "QSO: 14022 CW 2025-13-29 1303 Q1ZVK 599 417 Q4WZ 599 902\r\n"
                        "QSO: 14022 CW 2025-11-29 1303 Q1ZVK\r\n"
                        "QSO:  9999 CW 2025-11-29 1303 Q1ZVK 599 417 Q4WZ 599 902\r\n",
                    {{6, "QSO: 14x22 CW 2025-11-29 1303 Q1ZVK 599 417 Q4WZ 599 902",
                      "frequency: \"14x22\" is not a frequency in kHz"},
                     {7, "QSO: 14022 CW 2025-13-29 1303 Q1ZVK 599 417 Q4WZ 599 902",
                      "date: \"2025-13-29\" is not a date (YYYY-MM-DD)"},
                     {8, "QSO: 14022 CW 2025-11-29 1303 Q1ZVK",
                      "QSO: needs frequency, mode, date, time, own call and call"},
                     {9, "QSO:  9999 CW 2025-11-29 1303 Q1ZVK 599 417 Q4WZ 599 902",
                      "band: missing, or the frequency is in no band"}}},
        RefusalCase{"QsoWithoutWorkedCall",
                    std::string(kHeader) + "QSO:  3524 CW 2025-11-29 1205 Q3BRK  599 123\n",
                    {{5, "QSO:  3524 CW 2025-11-29 1205 Q3BRK  599 123",
                      "call: missing (\"123\" is no call sign)"}}},
        RefusalCase{"NoQso",
                    kHeader,
                    {{0, "", "no QSO: not a log (neither a QSO: line nor an ADIF record)"}}},
        RefusalCase{
            "AnotherContest",
            std::string(kHeader) + "CONTEST: ARRL-DX-CW\n" + kQso,
            {{0, "", "CONTEST: \"ARRL-DX-CW\" is another contest; this one is ZVK CW Contest"}}},
        RefusalCase{"OwnCallThatIsNoCall",
                    "START-OF-LOG: 3.0\nCALLSIGN: ../../etc/passwd\n" + std::string(kQso),
                    {{0, "",
                      "own call: \"../../ETC/PASSWD\" holds characters other than letters, "
                      "digits and /"}}},
        RefusalCase{
            "NoQsoInThePeriod",
            std::string(kHeader) + "QSO:  3524 CW 2024-11-30 1200 Q1ZVK 599 417 Q8XB 599 NM\n",
            {{0, "",
              "QSO times: none in the contest period from 2025-11-29T12:00 to "
              "2025-11-29T17:59"}}},
        RefusalCase{"NotALog",
                    "Dear organisers, my log follows.\n",
                    {{0, "",
                      "unknown format: neither ADIF (<EOH>, <EOR>) nor Cabrillo (START-OF-LOG:, "
                      "QSO: lines)"}}},
        RefusalCase{"AdifWithoutCallOrOwnCall",
                    "<EOH>\n"
                    "<QSO_DATE:8>20251129<TIME_ON:4>1200<BAND:3>20m<MODE:2>CW<EOR>\n",
                    {{0, "",
                      "own call: missing (CALLSIGN: or STATION_CALLSIGN), so the log has no "
                      "owner"},
                     {2, "<QSO_DATE:8>20251129<TIME_ON:4>1200<BAND:3>20m<MODE:2>CW<EOR>",
                      "call: missing"}}}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

struct PlausibilityCase {
  const char* name;
  std::string log;
  std::vector<std::string> warnings;  // of the log as a whole
};

void PrintTo(const PlausibilityCase& value, std::ostream* out) { *out << value.name; }

class UploadPlausibility : public ::testing::TestWithParam<PlausibilityCase> {};

TEST_P(UploadPlausibility, WarnsOfWhatDoesNotFit) {
  UploadReading reading = readUpload(GetParam().log, contest());
  ASSERT_TRUE(reading.facts) << reading.problems.front();
  std::vector<std::string> warnings;
  for (const LineNote& note : reading.facts->warnings) warnings.push_back(note.message);
  EXPECT_EQ(warnings, GetParam().warnings);
}

// One QSO with a member: 5 points by the rules.
std::string plausibleLog(const std::string& call, const std::string& claimed, const char* end) {
  return "START-OF-LOG: 3.0\nCONTEST: zvk-cw-contest\nCALLSIGN: " + call +
         "\nCATEGORY-OPERATOR: SINGLE-OP\nCLAIMED-SCORE: " + claimed +
         "\nQSO: 14022 CW 2025-11-29 1303 Q1ZVK 599 417 Q4WZ 599 902\n" + end;
}

INSTANTIATE_TEST_SUITE_P(
    Logs, UploadPlausibility,
    ::testing::Values(
        PlausibilityCase{
            "AllFitsTheClaimWithinTenPoints", plausibleLog("Q1ZVK", "15", "END-OF-LOG:\n"), {}},
        PlausibilityCase{"HeaderCallOnNoQsoLine",
                         plausibleLog("Q9XX", "5", "END-OF-LOG:\n"),
                         {"CALLSIGN: Q9XX is the call sent on no QSO line (line 6 sends Q1ZVK)"}},
        PlausibilityCase{
            "CutBeforeTheEnd",
            plausibleLog("Q1ZVK", "5", ""),
            {"END-OF-LOG: missing: the log may be cut short; please check it is whole"}},
        PlausibilityCase{
            "ClaimFarFromTheRules",
            plausibleLog("Q1ZVK", "5670350", "END-OF-LOG:\n"),
            {"CLAIMED-SCORE: 5670350 is far from the 5 the contest's rules give the log"}}),
    [](const ::testing::TestParamInfo<PlausibilityCase>& info) { return info.param.name; });

// Real logs of other contests and years, kept outside the repository.
TEST(ReadUpload, RealLogsOfOtherContestsAreRefusedWithTheReason) {
  const std::string dir = ZVK_SAMPLES_DIR;
  if (!std::filesystem::is_directory(dir)) GTEST_SKIP() << dir << " is not there";
  const std::string kNotInPeriod =
      "QSO times: none in the contest period from 2025-11-29T12:00 to 2025-11-29T17:59";
  const std::pair<const char*, std::string> cases[] = {
      {"cbr-arrl-dx-cw-2024-TE5T.log", "\"ARRL-DX-CW\""},
      {"cbr-iaru-hf-2023-I44Z.log", "\"IARU-HF\""},
      {"cbr-ntc-qp-2024-03-21-S51Z.log", "\"NTC-QP\""},
      {"cbr-ok1wc-memorial-2024-03-04-G7D.log", "\"OK1WC-MEMORIAL\""},
      {"adif-ntc-qp-2024-03-21-PA3HEB.adi", ""}};
  for (const auto& [file, contestName] : cases) {
    UploadReading reading = readUpload(testing_support::readFile(dir + "/" + file), contest());
    EXPECT_FALSE(reading.facts) << file;
    const std::string reason =
        contestName.empty()
            ? kNotInPeriod
            : "CONTEST: " + contestName + " is another contest; this one is ZVK CW Contest";
    EXPECT_EQ(reading.problems, (std::vector<LineNote>{{0, "", reason}})) << file;
  }
}

class RealLogTest : public testing_support::TempDirTest {};

// Of its own contest and year the same log is taken, its far claim warned of.
TEST_F(RealLogTest, OfItsOwnContestItIsTakenAndItsFarClaimWarnedOf) {
  const std::string file = std::string(ZVK_SAMPLES_DIR) + "/cbr-iaru-hf-2023-I44Z.log";
  if (!std::filesystem::exists(file)) GTEST_SKIP() << file << " is not there";
  crosscheck::ContestDefinition iaru =
      crosscheck::readContestDefinition(ZVK_CONTESTS_DIR "/iaru-hf.ini");
  iaru.from = imports::UtcTime{2023, 7, 8, 12, 0, 0};
  iaru.to = imports::UtcTime{2023, 7, 9, 11, 59, 0};
  testing_support::writeFile("cty.dat", "Italy: 15: 28: EU: 42.00: -12.00: -1.0: I:\n    I;\n");
  const crosscheck::LoadedStationFiles stations(iaru, "cty.dat");
  UploadReading reading = readUpload(testing_support::readFile(file), iaru, stations.view());
  ASSERT_TRUE(reading.facts) << reading.problems.front();
  const std::string far = "CLAIMED-SCORE: 5670350 is far from the " +
                          std::to_string(reading.facts->claimedByRules) +
                          " the contest's rules give the log";
  std::vector<std::string> warnings;
  for (const LineNote& note : reading.facts->warnings) warnings.push_back(note.message);
  EXPECT_NE(std::find(warnings.begin(), warnings.end(), far), warnings.end());
}

// Points by where the stations are, read with no country file: no line has a
// place, so each claims what the definition gives a QSO of no place; no crash.
TEST(ReadUpload, PointsByRelationWithoutACountryFileClaimTheUnplacedPoints) {
  const crosscheck::ContestDefinition wpx =
      crosscheck::readContestDefinition(ZVK_CONTESTS_DIR "/cq-wpx-cw.ini");
  const UploadReading reading = readUpload(
      "START-OF-LOG: 3.0\nCALLSIGN: Q1AA\nCONTEST: CQ-WPX-CW\n"
      "QSO: 14022 CW 2025-05-31 1200 Q1AA 599 1 Q2BB 599 7\nEND-OF-LOG:\n",
      wpx);
  ASSERT_TRUE(reading.facts) << reading.problems.front();
  EXPECT_EQ(reading.facts->qsos, 1);
}

}  // namespace
}  // namespace robot
