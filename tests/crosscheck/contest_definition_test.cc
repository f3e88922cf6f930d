#include "crosscheck/contest_definition.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "errors/tool_error.h"
#include "tests/support/temp_dir.h"

namespace {

using crosscheck::ContestDefinition;

using Lines = std::vector<std::pair<std::string, std::optional<std::string>>>;

const Lines kRequired = {{"Name", "TEST"},      {"Bands", "80m"}, {"Modes", "CW"},
                         {"Exchange", "fixed"}, {"Points", "1"},  {"Dupes", "band"}};

// The required keys with `changes` made: a value replaced or added, or
// (without a value) the key left out.
std::string definitionText(const Lines& changes) {
  Lines lines = kRequired;
  for (const auto& change : changes) {
    bool replaced = false;
    for (auto& line : lines) {
      if (line.first == change.first) line.second = change.second, replaced = true;
    }
    if (!replaced) lines.push_back(change);
  }
  std::string text = "; a test contest\r\n[Contest]\r\n";
  for (const auto& line : lines) {
    if (line.second) text += line.first + " = " + *line.second + "\r\n";
  }
  return text;
}

std::string timeText(const std::optional<imports::UtcTime>& t) {
  if (!t) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d", t->year, t->month, t->day, t->hour,
                t->minute);
  return text;
}

std::string joined(const std::vector<std::string>& list) {
  std::string text;
  for (const std::string& item : list) text += (text.empty() ? "" : ",") + item;
  return text;
}

std::string pointsText(const rules::PointsRule& points) {
  std::string text;
  for (const auto& entry : points.byExchange) {
    text += entry.exchange + "=" + std::to_string(entry.points) + ",";
  }
  return text + "*=" + std::to_string(points.otherwise);
}

std::string dupeText(const rules::DupeRule& dupe) {
  if (dupe.kind == rules::DupeRule::Kind::kOncePerBand) return "band";
  return "hours:" + std::to_string(dupe.hours);
}

// Every value of a definition, so that two can be compared whole.
std::string describe(const ContestDefinition& d) {
  return d.name + " bands=" + joined(d.rules.bands) + " modes=" + joined(d.rules.modes) +
         " from=" + timeText(d.from) + " to=" + timeText(d.to) +
         " exchange=" + (d.exchange == crosscheck::ExchangeKind::kFixed ? "fixed" : "serial") +
         " points=" + pointsText(d.rules.points) + " dupes=" + dupeText(d.rules.dupe) +
         " window=" + std::to_string(d.matchWindowMinutes) +
         " tolerance=" + std::to_string(d.serialTolerance) +
         " uniques=" + (d.creditUniques ? "credit" : "remove") +
         " penalty=" + std::to_string(d.errors.bustedCall.amount) +
         " fields=" + std::to_string(d.exchangeFields);
}

class ContestDefinitionTest : public testing_support::TempDirTest {};

std::string errorReading(const std::string& path) {
  try {
    crosscheck::readContestDefinition(path);
  } catch (const errors::ToolError& error) {
    EXPECT_EQ(error.kind(), errors::ErrorKind::kBadDefinition);
    return error.what();
  }
  return "no error";
}

TEST_F(ContestDefinitionTest, EveryBadOrMissingValueNamesFileKeyAndValue) {
  const std::string range = "is not a whole number from ";
  const std::string kNotMultipliers =
      "is not a list of field N, country, cq-zone, itu-zone, continent, wpx or call, each with "
      "per band, mode or band-mode if not once";
  const std::string kNotRelations = "is not a list of RELATION[@BAND]=N, each relation once";
  struct Case {
    Lines changes;
    std::string message;  // after "x.ini: [Contest] "
  } cases[] = {
      {{{"Name", std::nullopt}}, "Name: missing"},
      {{{"Bands", std::nullopt}}, "Bands: missing"},
      {{{"Modes", std::nullopt}}, "Modes: missing"},
      {{{"Exchange", std::nullopt}}, "Exchange: missing"},
      {{{"Points", std::nullopt}}, "Points: missing"},
      {{{"Dupes", std::nullopt}}, "Dupes: missing"},
      {{{"Name", ""}}, "Name: no value"},
      {{{"Bands", "80m,40"}}, "Bands: \"80m,40\" is not a list of bands such as 80m,40m"},
      {{{"Bands", "80m,,40m"}}, "Bands: \"80m,,40m\" is not a list of bands such as 80m,40m"},
      {{{"Modes", "CW SSB"}}, "Modes: \"CW SSB\" is not a list of modes such as CW"},
      {{{"From", "2025-11-29 12:0"}},
       "From: \"2025-11-29 12:0\" is not a date (YYYY-MM-DD or YYYY-MM-DDTHH:MM, UTC)"},
      {{{"From", "2025-11-29T13:00"}, {"To", "2025-11-29T13:00"}},
       "To: \"2025-11-29T13:00\" is not after From"},
      {{{"Exchange", "serials"}},
       "Exchange: \"serials\" is not fixed, serial or a list of rst, serial, fixed, text, number "
       "and word"},
      {{{"Exchange", "rst,serial,"}},
       "Exchange: \"rst,serial,\" is not fixed, serial or a list of rst, serial, fixed, text, "
       "number and word"},
      {{{"Exchange", "rst"}}, "Exchange: \"rst\" names no field to compare"},
      {{{"Exchange", "rst,serial"}, {"ExchangeFields", "2"}},
       "ExchangeFields: \"2\" goes with Exchange=fixed or serial, not a list"},
      {{{"Points", "NM=1"}}, "Points: \"NM=1\" is not N or EXCHANGE=N,...,*=N"},
      {{{"Points", "NM=1,*=5,NM=2"}}, "Points: \"NM=1,*=5,NM=2\" is not N or EXCHANGE=N,...,*=N"},
      {{{"Points", "*=1,*=5"}}, "Points: \"*=1,*=5\" is not N or EXCHANGE=N,...,*=N"},
      {{{"Points", "-1"}}, "Points: \"-1\" is not N or EXCHANGE=N,...,*=N"},
      {{{"Dupes", "hour:4"}}, "Dupes: \"hour:4\" is not hours:N, minutes:N or band"},
      {{{"Dupes", "hours:0"}}, "Dupes: \"hours:0\" is not hours:N, minutes:N or band"},
      {{{"Dupes", "minutes:0"}}, "Dupes: \"minutes:0\" is not hours:N, minutes:N or band"},
      {{{"Dupes", "minutes:1441"}}, "Dupes: \"minutes:1441\" is not hours:N, minutes:N or band"},
      {{{"Errors", "mine"}},
       "Errors: \"mine\" is not own, both or a list such as busted-call:both,busted-exchange:own"},
      {{{"Errors", "not-in-log:both"}},
       "Errors: \"not-in-log:both\" is not own, both or a list such as "
       "busted-call:both,busted-exchange:own"},
      {{{"ClockCorrection", "off"}}, "ClockCorrection: \"off\" is not yes or no"},
      {{{"MatchWindowMinutes", "1441"}}, "MatchWindowMinutes: \"1441\" " + range + "0 to 1440"},
      {{{"SerialTolerance", "-1"}}, "SerialTolerance: \"-1\" " + range + "0 to 9999"},
      {{{"Uniques", "keep"}}, "Uniques: \"keep\" is not credit or remove"},
      {{{"Penalty", "1.5"}},
       "Penalty: \"1.5\" " + range +
           "0 to 100 or a list such as busted-call:1,not-in-log:10points"},
      {{{"Penalty", "busted-exchange:1"}},
       "Penalty: \"busted-exchange:1\" " + range +
           "0 to 100 or a list such as busted-call:1,not-in-log:10points"},
      {{{"Unlogged", "lines:0"}}, "Unlogged: \"lines:0\" is not logs:N or lines:N, N at least 1"},
      {{{"Unlogged", "calls:3"}}, "Unlogged: \"calls:3\" is not logs:N or lines:N, N at least 1"},
      {{{"PeriodEnd", "open"}}, "PeriodEnd: \"open\" is not inclusive or exclusive"},
      {{{"Frequencies", "80m:3560-3510"}},
       "Frequencies: \"80m:3560-3510\" is not a list such as 80m:3510-3560,40m/CW:7000-7030 (kHz)"},
      {{{"Frequencies", "80:3510-3560"}},
       "Frequencies: \"80:3510-3560\" is not a list such as 80m:3510-3560,40m/CW:7000-7030 (kHz)"},
      {{{"AllowedValues", "none.txt"}},
       "AllowedValues: none.txt: cannot read: No such file or directory"},
      {{{"ExchangeFields", "0"}}, "ExchangeFields: \"0\" " + range + "1 to 8"},
      {{{"Multipliers", "country per week"}},
       "Multipliers: \"country per week\" " + kNotMultipliers},
      {{{"Multipliers", "field 0"}}, "Multipliers: \"field 0\" " + kNotMultipliers},
      {{{"Multipliers", "country,country"}}, "Multipliers: \"country,country\" " + kNotMultipliers},
      {{{"Exchange", "rst,serial"}, {"Multipliers", "field 1 per band"}},
       "Multipliers: \"field 1 per band\" names field 1, a report or no field of Exchange"},
      {{{"Exchange", "rst,serial"}, {"PointsField", "3"}},
       "PointsField: \"3\" names field 3, a report or no field of Exchange"},
      {{{"Score", "points*multipliers"}},
       "Score: \"points*multipliers\" counts multipliers, and Multipliers is not given"},
      {{{"Multipliers", "call"}, {"Score", "points+x*multipliers"}},
       "Score: \"points+x*multipliers\" is not points, points*multipliers or "
       "points+N*multipliers"},
      {{{"Points", std::nullopt}, {"RelationPoints", "same-country=0,EU-XX=2"}},
       "RelationPoints: \"same-country=0,EU-XX=2\" " + kNotRelations},
      {{{"Points", std::nullopt}, {"RelationPoints", "*=1,*=2"}},
       "RelationPoints: \"*=1,*=2\" " + kNotRelations},
      {{{"Points", std::nullopt}, {"RelationPoints", "*@80=1"}},
       "RelationPoints: \"*@80=1\" " + kNotRelations},
      {{{"RelationPoints", "*=1"}}, "RelationPoints: \"*=1\" goes instead of Points, not with it"},
      {{{"Categories", "colour:RED"}},
       "Categories: \"colour:RED\" is not a list such as operator:SINGLE-OP CHECKLOG,power:HIGH "
       "LOW, each a Cabrillo category field once"},
      {{{"Colour", "red"}},
       "Colour: unknown key (known: Name, Bands, Modes, From, To, Exchange, Points, Dupes, "
       "MatchWindowMinutes, SerialTolerance, Uniques, Penalty, ExchangeFields, Errors, "
       "ClockCorrection, PeriodEnd, Frequencies, ExchangeErrorPoints, ExchangeErrorMultiplier, "
       "Unlogged, UnloggedPoints, AllowedValues, ContestNames, Categories, Multipliers, Score, "
       "RelationPoints, PointsField, CountryFile)"},
  };
  for (const Case& c : cases) {
    testing_support::writeFile("x.ini", definitionText(c.changes));
    EXPECT_EQ(errorReading("x.ini"), "x.ini: [Contest] " + c.message);
  }
}

TEST_F(ContestDefinitionTest, AFileThatIsNoDefinitionIsNamed) {
  testing_support::writeFile("twice.ini", definitionText({}) + "points=5\n");
  testing_support::writeFile("other.ini", "[Settings]\nName=TEST\n");
  EXPECT_EQ(errorReading("twice.ini"), "twice.ini: [Contest] points: given twice");
  EXPECT_EQ(errorReading("other.ini"), "other.ini: no [Contest] section");
  EXPECT_EQ(errorReading("none.ini"), "none.ini: cannot read: No such file or directory");
}

TEST_F(ContestDefinitionTest, ValuesIgnoreCaseAndUnsetKeysTakeTheirDefaults) {
  struct Case {
    Lines changes;
    std::string definition;
  } cases[] = {
      {{},
       "TEST bands=80m modes=CW from=- to=- exchange=fixed points=*=1 dupes=band window=5 "
       "tolerance=0 uniques=credit penalty=0 fields=2"},
      {{{"Bands", " 160m , 2m,70CM "},
        {"Modes", "cw,SSB"},
        {"From", "2025-11-29"},
        {"To", "2025-11-29 12:30"},
        {"Exchange", "Serial"},
        {"Points", "NM = 1, 001=3 ,*=2"},
        {"Dupes", "HOURS:2"},
        {"MatchWindowMinutes", "0"},
        {"SerialTolerance", "2"},
        {"Uniques", "REMOVE"},
        {"Penalty", "3"},
        {"ExchangeFields", "1"}},
       "TEST bands=160m,2m,70CM modes=cw,SSB from=2025-11-29T00:00 to=2025-11-29T12:30 "
       "exchange=serial points=NM=1,001=3,*=2 dupes=hours:2 window=0 tolerance=2 uniques=remove "
       "penalty=3 fields=1"},
  };
  for (const Case& c : cases) {
    testing_support::writeFile("x.ini", definitionText(c.changes));
    EXPECT_EQ(describe(crosscheck::readContestDefinition("x.ini")), c.definition);
  }
}

TEST(ShippedDefinitions, LoadAsWritten) {
  const std::string folder = ZVK_CONTESTS_DIR;
  EXPECT_EQ(describe(crosscheck::readContestDefinition(folder + "/zvk-cw.ini")),
            "ZVK-CW-CONTEST bands=80m,40m,20m,15m,10m modes=CW from=- to=- exchange=fixed "
            "points=NM=1,*=5 dupes=hours:4 window=5 tolerance=0 uniques=credit penalty=0 fields=2");
  EXPECT_EQ(describe(crosscheck::readContestDefinition(folder + "/sprint-80m.ini")),
            "80M-CW-SPRINT bands=80m modes=CW from=2025-12-06T20:00 to=2025-12-06T21:00 "
            "exchange=serial points=*=1 dupes=band window=5 tolerance=0 uniques=credit penalty=0 "
            "fields=2");
}

// The keys real contests need, which the one-word definitions above leave unset.
std::string describeRealContestKeys(const ContestDefinition& d) {
  static const char* const kKinds[] = {"fixed", "serial", "rst", "text", "number", "word"};
  std::string text = "exchange=";
  for (crosscheck::ExchangeKind kind : d.exchangeList)
    text += kKinds[static_cast<int>(kind)] + std::string(",");
  return text + " dupeMinutes=" + std::to_string(d.dupeMinutes) +
         " errors=" + (d.errors.bustedCallVoidsBoth ? "both" : "own") +
         " clockCorrection=" + (d.clockCorrection ? "yes" : "no");
}

TEST_F(ContestDefinitionTest, RealContestKeysTakeListsMinutesAndBothSides) {
  struct Case {
    Lines changes;
    std::string keys;
  } cases[] = {
      {{}, "exchange= dupeMinutes=0 errors=own clockCorrection=yes"},
      {{{"Exchange", "RST, serial,Fixed,text"},
        {"Dupes", "Minutes:30"},
        {"Errors", "BOTH"},
        {"ClockCorrection", "No"}},
       "exchange=rst,serial,fixed,text, dupeMinutes=30 errors=both clockCorrection=no"},
      {{{"Exchange", "text"}, {"Errors", "own"}, {"ClockCorrection", "yes"}},
       "exchange=text, dupeMinutes=0 errors=own clockCorrection=yes"},
  };
  for (const Case& c : cases) {
    testing_support::writeFile("x.ini", definitionText(c.changes));
    EXPECT_EQ(describeRealContestKeys(crosscheck::readContestDefinition("x.ini")), c.keys);
  }
}

// The keys of what each error costs and what a station without a log earns.
std::string describeJudgingKeys(const ContestDefinition& d) {
  auto penalty = [](const crosscheck::Penalty& p) {
    return std::to_string(p.amount) + (p.inPoints ? "points" : "qsos");
  };
  const crosscheck::ErrorCredit& e = d.errors;
  return std::string("voids=") + (e.bustedCallVoidsBoth ? "both" : "own") + "," +
         (e.bustedExchangeVoidsBoth ? "both" : "own") + " penalty=" + penalty(e.bustedCall) + "," +
         penalty(e.notInLog) + " exchangeError=" + std::to_string(e.exchangeErrorPoints) +
         (e.exchangeErrorMultiplier ? ",mult" : "") +
         " unlogged=" + (d.unlogged.byLines ? "lines:" : "logs:") +
         std::to_string(d.unlogged.least) + "," +
         (d.unlogged.points ? std::to_string(*d.unlogged.points) : "-") +
         " end=" + (d.endExclusive ? "exclusive" : "inclusive") +
         " limits=" + (d.frequencies.empty() ? "-" : d.frequencies.describe("80m", "CW")) +
         " allowed=" + (d.allowedValues && d.allowedValues->allows("OK", "PR") ? "OK:PR" : "-");
}

TEST_F(ContestDefinitionTest, JudgingKeysSayWhatEachErrorCostsAndWhatCountsWithoutALog) {
  testing_support::writeFile("regions.txt", "OK: PR ST\n");
  struct Case {
    Lines changes;
    std::string keys;
  } cases[] = {
      {{},
       "voids=own,own penalty=0qsos,0qsos exchangeError=0 unlogged=logs:2,- end=inclusive "
       "limits=- allowed=-"},
      {{{"Errors", "both"}, {"Penalty", "2"}},
       "voids=both,both penalty=2qsos,2qsos exchangeError=0 unlogged=logs:2,- end=inclusive "
       "limits=- allowed=-"},
      {{{"Errors", "Busted-Call:both, busted-exchange:own"},
        {"Penalty", "not-in-log:10Points,busted-call:1"},
        {"ExchangeErrorPoints", "1"},
        {"ExchangeErrorMultiplier", "yes"},
        {"UnloggedPoints", "1"},
        {"Unlogged", "lines:10"},
        {"PeriodEnd", "exclusive"},
        {"Frequencies", "80m/CW:3510-3560, 80m:3600-3650, 40m:7000-7040"},
        {"AllowedValues", "regions.txt"}},
       "voids=both,own penalty=1qsos,10points exchangeError=1,mult unlogged=lines:10,1 "
       "end=exclusive limits=3510-3560, 3600-3650 kHz allowed=OK:PR"},
  };
  for (const Case& c : cases) {
    testing_support::writeFile("x.ini", definitionText(c.changes));
    EXPECT_EQ(describeJudgingKeys(crosscheck::readContestDefinition("x.ini")), c.keys);
  }
}

TEST(ShippedDefinitions, FieldDayReadsItsRealContestKeys) {
  const ContestDefinition d =
      crosscheck::readContestDefinition(ZVK_CONTESTS_DIR "/field-day-80m.ini");
  EXPECT_EQ(describe(d),
            "FIELD-DAY-80M bands=80m modes=CW from=- to=- exchange=fixed points=*=2 "
            "dupes=hours:4 window=3 tolerance=0 uniques=remove penalty=0 fields=2");
  EXPECT_EQ(describeRealContestKeys(d),
            "exchange=serial,serial, dupeMinutes=30 errors=both clockCorrection=no");
}

TEST(ShippedDefinitions, TheBuiltInOneIsTheFileAndCountsAsThePlugIn) {
  const ContestDefinition& builtIn = crosscheck::zvkCwDefinition();
  EXPECT_EQ(describe(builtIn),
            describe(crosscheck::readContestDefinition(ZVK_CONTESTS_DIR "/zvk-cw.ini")));
  const rules::RuleSet& plugin = rules::zvkCwRules();
  EXPECT_EQ(builtIn.rules.bands, plugin.bands);
  EXPECT_EQ(builtIn.rules.modes, plugin.modes);
  EXPECT_EQ(dupeText(builtIn.rules.dupe), dupeText(plugin.dupe));
  EXPECT_EQ(pointsText(builtIn.rules.points), pointsText(plugin.points));
}

}  // namespace
