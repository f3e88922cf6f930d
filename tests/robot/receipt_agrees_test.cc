// The robot's receipt and the cross-check read a log alike: the same claimed
// QSO points, multipliers and score by the rules and warnings on the same
// lines, for every shipped contest definition.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "crosscheck/crosscheck.h"
#include "crosscheck/station_files.h"
#include "robot/answer_pages.h"
#include "robot/upload_reading.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr char kHeader[] = "START-OF-LOG: 3.0\nCALLSIGN: Q0AA\nCATEGORY-OPERATOR: SINGLE-OP\n";
constexpr char kLogFile[] = "q0aa.log";
constexpr char kCountryFile[] = "cty.dat";
// Q0AA and Q0CC in two countries of one continent, Q0BB on another.
constexpr char kCountries[] =
    "Qland:   14:  27:  EU:   50.00:    -8.00:    -1.0:  Q0:\n    Q0;\n"
    "Farland:  5:   8:  NA:   40.00:    75.00:     5.0:  Q1:\n    Q1,=Q0BB;\n"
    "Midland: 15:  28:  EU:   45.00:   -10.00:    -1.0:  Q2:\n    Q2,=Q0CC;\n";

// What a log claims by the rules, its QSO points and multipliers (0 where
// the contest has none), and the lines it gets warnings on.
struct Claim {
  std::int64_t score = 0;
  std::int64_t qsoPoints = 0;
  std::int64_t multipliers = 0;
  std::set<int> warnedLines;

  bool operator==(const Claim& other) const {
    return score == other.score && qsoPoints == other.qsoPoints &&
           multipliers == other.multipliers && warnedLines == other.warnedLines;
  }
};

// Without multipliers the points are the score.
Claim byPoints(std::int64_t points, std::set<int> warnedLines) {
  return {points, points, 0, std::move(warnedLines)};
}

Claim byMultipliers(std::int64_t points, std::int64_t multipliers, std::set<int> warnedLines) {
  return {points * multipliers, points, multipliers, std::move(warnedLines)};
}

void PrintTo(const Claim& claim, std::ostream* out) {
  *out << claim.score << " = " << claim.qsoPoints << " points, " << claim.multipliers
       << " multipliers; warned on";
  for (int line : claim.warnedLines) *out << " " << line;
}

struct AgreementCase {
  const char* definition;  // a file of contests/
  const char* log;
  std::string qsoLines;  // after the header, from line 4
  Claim claim;
};

void PrintTo(const AgreementCase& c, std::ostream* out) { *out << c.definition << " " << c.log; }

// The sprint's own period; the contests that recur take theirs from the command line.
crosscheck::ContestDefinition definitionOf(const std::string& file) {
  crosscheck::ContestDefinition definition =
      crosscheck::readContestDefinition(std::string(ZVK_CONTESTS_DIR) + "/" + file);
  if (!definition.from) definition.from = imports::UtcTime{2025, 12, 6, 20, 0, 0};
  if (!definition.to) definition.to = imports::UtcTime{2025, 12, 6, 21, 0, 0};
  return definition;
}

// The receipt page states the facts' claim: its parts only where the contest has multipliers.
void expectReceiptShows(const robot::LogFacts& facts) {
  robot::Submission kept;
  kept.claimedByRules = facts.claimedByRules;
  const std::string page = robot::receiptPage("", kept, facts, robot::Receipt::kNew, "");
  auto shows = [&page](const std::string& label, std::int64_t value) {
    return page.find("<dt>" + label + "</dt><dd>" + std::to_string(value) + "</dd>") !=
           std::string::npos;
  };
  EXPECT_TRUE(shows("Claimed score by the rules", facts.claimedByRules));
  EXPECT_EQ(shows("Claimed QSO points by the rules", facts.claimedQsoPoints),
            facts.claimedMultipliers.has_value());
  EXPECT_EQ(shows("Claimed multipliers by the rules", facts.claimedMultipliers.value_or(0)),
            facts.claimedMultipliers.has_value());
}

Claim receiptClaim(const std::string& log, const crosscheck::ContestDefinition& definition) {
  const crosscheck::LoadedStationFiles stations(definition, kCountryFile);
  const robot::UploadReading reading = robot::readUpload(log, definition, stations.view());
  EXPECT_TRUE(reading.problems.empty());
  if (!reading.facts) return {};
  expectReceiptShows(*reading.facts);
  Claim claim{reading.facts->claimedByRules,
              reading.facts->claimedQsoPoints,
              reading.facts->claimedMultipliers.value_or(0),
              {}};
  for (const robot::LineNote& warning : reading.facts->warnings) {
    if (warning.line > 0) claim.warnedLines.insert(warning.line);
  }
  return claim;
}

// A line the log's own rules give less than it claims: off the contest, out
// of the period, a dupe, or no points at all.
bool ownRulesWarn(const crosscheck::LineResult& line) {
  using crosscheck::Result;
  return line.claimedPoints == 0 || line.result == Result::kNotContest ||
         line.result == Result::kOutsidePeriod || line.result == Result::kDupe;
}

Claim crosscheckClaim(const std::string& log, const crosscheck::ContestDefinition& definition) {
  testing_support::writeFile(kLogFile, log);
  crosscheck::Request request;
  request.files = {kLogFile};
  request.definition = definition;
  request.countryFile = kCountryFile;
  const crosscheck::Results results = crosscheck::crosscheckContest(request);
  EXPECT_TRUE(results.unreadable.empty());
  if (results.entrants.size() != 1) return {};
  const crosscheck::Entrant& entrant = results.entrants.front();
  Claim claim{entrant.claimedByRules, entrant.claimedQsoPoints, entrant.claimedMultipliers, {}};
  for (const crosscheck::LineResult& line : entrant.lines) {
    if (ownRulesWarn(line)) claim.warnedLines.insert(line.line);
  }
  return claim;
}

class ReceiptAgrees : public testing_support::TempDirTest,
                      public ::testing::WithParamInterface<AgreementCase> {};

TEST_P(ReceiptAgrees, WithTheCrosscheckOnClaimAndWarnings) {
  const AgreementCase& c = GetParam();
  const crosscheck::ContestDefinition definition = definitionOf(c.definition);
  testing_support::writeFile(kCountryFile, kCountries);
  const std::string log = kHeader + c.qsoLines + "END-OF-LOG:\n";
  EXPECT_EQ(receiptClaim(log, definition), c.claim);
  EXPECT_EQ(crosscheckClaim(log, definition), c.claim);
}

// The second and third QSO lack a field of the exchange (the first has two
// fields a station, as a listed exchange of two fields wants).
const std::string kLacking =
    "QSO: 3550 CW 2025-12-06 2000 Q0AA 12 5 Q0BB 7 11\n"
    "QSO: 3551 CW 2025-12-06 2005 Q0AA 13 7 Q0CC 9\n"
    "QSO: 3552 CW 2025-12-06 2010 Q0AA 14 9 Q0DD\n";
const std::string kOutside =
    "QSO: 3550 CW 2025-12-06 2015 Q0AA 599 1 Q0BB 599 7\n"
    "QSO: 3551 CW 2025-12-06 2130 Q0AA 599 2 Q0CC 599 8\n";
// Q0BB again after 40 minutes: a dupe by the hours and by the band, none by 30 minutes.
const std::string kDupe =
    "QSO: 3550 CW 2025-12-06 2000 Q0AA 599 1 Q0BB 599 7\n"
    "QSO: 3551 CW 2025-12-06 2010 Q0AA 599 2 Q0CC 599 8\n"
    "QSO: 3552 CW 2025-12-06 2040 Q0AA 599 3 Q0BB 599 9\n";
const std::string kOffBand =
    "QSO: 3550 CW 2025-12-06 2000 Q0AA 599 1 Q0BB 599 7\n"
    "QSO: 7025 CW 2025-12-06 2010 Q0AA 599 2 Q0CC 599 8\n";
// A DX contest's: zones (or serials) received, one line lacking them, one
// outside the period, one off the bands.
const std::string kDx =
    "QSO: 14025 CW 2025-12-06 2000 Q0AA 599 14 Q0BB 599 05\n"
    "QSO: 14026 CW 2025-12-06 2005 Q0AA 599 14 Q0CC 599 15\n"
    "QSO: 14027 CW 2025-12-06 2010 Q0AA 599 14 Q0DD\n"
    "QSO: 14028 CW 2025-12-06 2130 Q0AA 599 14 Q0BB 599 5\n"
    "QSO:  3525 CW 2025-12-06 2015 Q0AA 599 14 Q0BB 599 5\n"
    "QSO: 10125 CW 2025-12-06 2016 Q0AA 599 14 Q0CC 599 15\n";
// The regional sprint's: regions received, one lacking, one off its
// frequencies, one at its exclusive end.
const std::string kRegional =
    "QSO: 3520 CW 2025-12-06 2000 Q0AA 599 1 NH PA1BB 599 7 GR\n"
    "QSO: 3521 CW 2025-12-06 2005 Q0AA 599 2 NH ON4CC 599 9 AN\n"
    "QSO: 7020 CW 2025-12-06 2006 Q0AA 599 3 NH ON4CC 599 10 AN\n"
    "QSO: 3522 CW 2025-12-06 2010 Q0AA 599 4 NH PA2DD 599 4\n"
    "QSO: 3700 CW 2025-12-06 2015 Q0AA 599 5 NH PA3EE 599 5 UT\n"
    "QSO: 3523 CW 2025-12-06 2100 Q0AA 599 6 NH PA4FF 599 6 DR\n";

// A QSO counts 5 points in the ZVK contest (a number received), 1 in the
// sprint, 2 on field day. A one-word exchange reads a lone field as the
// exchange: only a line without any lacks it there.
const AgreementCase kCases[] = {
    AgreementCase{"field-day-80m.ini", "lacking", kLacking, byPoints(2, {5, 6})},
    AgreementCase{"sprint-80m.ini", "lacking", kLacking, byPoints(2, {6})},
    AgreementCase{"zvk-cw.ini", "lacking", kLacking, byPoints(10, {6})},
    AgreementCase{"field-day-80m.ini", "outside", kOutside, byPoints(2, {5})},
    AgreementCase{"sprint-80m.ini", "outside", kOutside, byPoints(1, {5})},
    AgreementCase{"zvk-cw.ini", "outside", kOutside, byPoints(5, {5})},
    AgreementCase{"field-day-80m.ini", "dupe", kDupe, byPoints(6, {})},
    AgreementCase{"sprint-80m.ini", "dupe", kDupe, byPoints(3, {6})},
    AgreementCase{"zvk-cw.ini", "dupe", kDupe, byPoints(15, {6})},
    AgreementCase{"field-day-80m.ini", "offband", kOffBand, byPoints(2, {5})},
    AgreementCase{"sprint-80m.ini", "offband", kOffBand, byPoints(1, {5})},
    AgreementCase{"zvk-cw.ini", "offband", kOffBand, byPoints(10, {})},
    // 3 + 1 + 3 points; zones 5 and 15 and two countries on 20 m, one of
    // each on 80 m (the line lacking its zone claims no country).
    AgreementCase{"cq-ww-dx-cw.ini", "dx", kDx, byMultipliers(7, 6, {6, 7, 9})},
    // 5 + 3 + 5 points by the zones and continents; zones 5 and 15 on 20 m, 5 on 80 m.
    AgreementCase{"iaru-hf.ini", "dx", kDx, byMultipliers(13, 3, {6, 7, 9})},
    // 3 + 1 + 6 points (80 m counts double); Q0 the one prefix.
    AgreementCase{"cq-wpx-cw.ini", "dx", kDx, byMultipliers(10, 1, {6, 7, 9})},
    // 2 points each; GR and AN on 80 m, AN on 40 m.
    AgreementCase{"regional-sprint.ini", "regional", kRegional, byMultipliers(6, 3, {7, 8, 9})}};

INSTANTIATE_TEST_SUITE_P(EveryShippedDefinition, ReceiptAgrees, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<AgreementCase>& info) {
                           std::string name =
                               std::string(info.param.definition) + "_" + info.param.log;
                           for (char& c : name)
                             c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

TEST(ReceiptAgreesCases, CoverEveryShippedDefinition) {
  std::set<std::string> shipped;
  for (const auto& entry : std::filesystem::directory_iterator(ZVK_CONTESTS_DIR)) {
    if (entry.path().extension() == ".ini") shipped.insert(entry.path().filename().string());
  }
  std::set<std::string> tested;
  for (const AgreementCase& c : kCases) tested.insert(c.definition);
  EXPECT_EQ(tested, shipped);
}

}  // namespace
