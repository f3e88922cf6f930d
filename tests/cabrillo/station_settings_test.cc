#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cabrillo/station_data.h"
#include "tests/support/fake_env.h"
#include "tests/support/temp_dir.h"

namespace {

using platform::DialogForm;
using platform::FormField;
using testing_support::FakeEnv;
using testing_support::readFile;
using testing_support::writeFile;
using Texts = std::vector<std::string>;

constexpr char kIniFile[] = "Plugins\\ZVK-CW.ini";
constexpr char kIniPath[] = "Plugins/ZVK-CW.ini";
constexpr char kSection[] = "Settings";

constexpr char kFullSettings[] =
    "[Settings]\r\n"
    "Operators=Q1QQQ Q1AAA\r\n"
    "Location=EU\r\n"
    "Name=Ann Example\r\n"
    "Address=Street 1\r\n"
    "Address-City=Town\r\n"
    "Address-PostalCode=12345\r\n"
    "Address-Country=Land\r\n"
    "Claimed=120\r\n"
    "Category=MULTI-ONE\r\n"
    "Power=QRP\r\n"
    "Contest=Other Contest\r\n"
    "Email=ann@example.org\r\n"
    "Club=CW Club\r\n"
    "SoapBox=first<CR><LF>second\r\n";

// Every field of the record, in declaration order.
Texts record(const CStationData& s) {
  return {s.callsign.str(),
          s.name.str(),
          s.address.str(),
          s.addressCity.str(),
          s.addressPostalCode.str(),
          s.addressCountry.str(),
          s.claimed.str(),
          s.contest.str(),
          s.email.str(),
          s.club.str(),
          s.soapbox.str(),
          s.operators.str(),
          s.categoryOperator.str(),
          s.categoryBand.str(),
          s.location.str(),
          s.categoryPower.str(),
          s.fileStem.str()};
}

class StationSettingsTest : public testing_support::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    std::filesystem::create_directory("Plugins");
  }

  void edit(const char* contestant) {
    station_.EditStationSettings(contestant, kIniFile, kSection, env_);
  }

  // Presses OK after setting the given controls; records what the form showed.
  void answerOkWith(std::vector<std::pair<int, const char*>> edits) {
    env_.dialog = [this, edits](DialogForm& form) {
      shown_.clear();
      for (FormField& field : form.fields) shown_.push_back(field.value->str());
      for (const auto& edit : edits) {
        for (FormField& field : form.fields) {
          if (field.controlId == edit.first) *field.value = edit.second;
        }
      }
      return platform::kDialogOk;
    };
  }

  CStationData station_;
  FakeEnv env_;
  Texts shown_;
};

TEST_F(StationSettingsTest, WithoutSettingsFileShowsDefaultsAndOkStoresThem) {
  answerOkWith({});
  edit("Q1/QQ1QQ/P");
  EXPECT_EQ(shown_, (Texts{"Q1/QQ1QQ/P", "", "", "SINGLE-OP", "ZVK CW Contest", "", "",
                           "Q1/QQ1QQ/P", "", "", "ALL", "", "", "", "HIGH"}));
  EXPECT_EQ(record(station_),
            (Texts{"Q1/QQ1QQ/P", "", "", "", "", "", "", "ZVK CW Contest", "", "", "", "Q1/QQ1QQ/P",
                   "SINGLE-OP", "ALL", "", "HIGH", "Q1_QQ1QQ_P"}));
  EXPECT_EQ(readFile(kIniPath),
            "[Settings]\r\n"
            "Operators=Q1/QQ1QQ/P\r\n"
            "Name=\r\n"
            "Address=\r\n"
            "Address-City=\r\n"
            "Address-PostalCode=\r\n"
            "Address-Country=\r\n"
            "Category=SINGLE-OP\r\n"
            "Location=\r\n"
            "Power=HIGH\r\n"
            "Contest=ZVK CW Contest\r\n"
            "Email=\r\n"
            "Club=\r\n"
            "SoapBox=\r\n");
}

TEST_F(StationSettingsTest, LoadShowsFileValuesButFixedStartsForContestAndCategories) {
  writeFile(kIniPath, kFullSettings);
  answerOkWith({});
  edit("Q1QQQ");
  EXPECT_EQ(shown_, (Texts{"Q1QQQ", "120", "CW Club", "SINGLE-OP", "ZVK CW Contest",
                           "ann@example.org", "Ann Example", "Q1QQQ Q1AAA", "first\r\nsecond",
                           "Street 1", "ALL", "Town", "12345", "Land", "HIGH"}));
}

TEST_F(StationSettingsTest, OkTakesEditsBackStoresThemAndEmptiesQsoLines) {
  writeFile(kIniPath, kFullSettings);
  station_.cabrilloLines.Add("QSO: old line\r\n");
  answerOkWith({{1010, "Q9ZZZ"},
                {1008, "999"},
                {1007, "Bo"},
                {1013, "CHECKLOG"},
                {1001, "one\r\ntwo\r\nthree"},
                {1015, "LOW"},
                {1014, "40M"}});
  edit("Q1/QQQ");
  EXPECT_EQ(record(station_),
            (Texts{"Q9ZZZ", "Bo", "Street 1", "Town", "12345", "Land", "120", "ZVK CW Contest",
                   "ann@example.org", "CW Club", "one\r\nSOAPBOX: two\r\nSOAPBOX: three",
                   "Q1QQQ Q1AAA", "CHECKLOG", "40M", "EU", "LOW", "Q1_QQQ"}));
  EXPECT_EQ(station_.cabrilloLines.GetSize(), 0);
  EXPECT_EQ(readFile(kIniPath),
            "[Settings]\r\n"
            "Operators=Q1QQQ Q1AAA\r\n"
            "Location=EU\r\n"
            "Name=Bo\r\n"
            "Address=Street 1\r\n"
            "Address-City=Town\r\n"
            "Address-PostalCode=12345\r\n"
            "Address-Country=Land\r\n"
            "Claimed=120\r\n"
            "Category=CHECKLOG\r\n"
            "Power=LOW\r\n"
            "Contest=ZVK CW Contest\r\n"
            "Email=ann@example.org\r\n"
            "Club=CW Club\r\n"
            "SoapBox=one<CR><LF>two<CR><LF>three\r\n");
}

// After a cancelled or failed dialog the soapbox used to stay in edit form, and a
// multi-line soapbox lost its "SOAPBOX: " tags in the Cabrillo header.
TEST_F(StationSettingsTest, CancelOrFailedDialogWritesNothingButPreparesTheSoapbox) {
  for (bool dialogShown : {true, false}) {
    writeFile(kIniPath, kFullSettings);
    CStationData station;
    station.cabrilloLines.Add("QSO: kept\r\n");
    FakeEnv env;
    if (dialogShown) {
      env.dialog = [](DialogForm& form) {
        for (FormField& field : form.fields) *field.value = "typed";
        return platform::kDialogCancel;
      };
    }
    station.EditStationSettings("Q1QQQ", kIniFile, kSection, env);
    EXPECT_EQ(env.dialogRuns, 1);
    EXPECT_EQ(readFile(kIniPath), kFullSettings);
    EXPECT_EQ(record(station),
              (Texts{"Q1QQQ", "Ann Example", "Street 1", "Town", "12345", "Land", "120",
                     "ZVK CW Contest", "ann@example.org", "CW Club", "first\r\nSOAPBOX: second",
                     "Q1QQQ Q1AAA", "SINGLE-OP", "ALL", "EU", "HIGH", "Q1QQQ"}));
    ASSERT_EQ(station.cabrilloLines.GetSize(), 1);
    EXPECT_EQ(station.cabrilloLines[0].str(), "QSO: kept\r\n");
  }
}

TEST_F(StationSettingsTest, LongValuesAreReadWhole) {
  const std::string name(150, 'n');
  std::string stored;
  for (int line = 0; line < 20; ++line) stored += "line " + std::to_string(line) + "<CR><LF>";
  writeFile(kIniPath, "[Settings]\r\nName=" + name + "\r\nSoapBox=" + stored + "end\r\n");
  answerOkWith({});
  edit("Q1QQQ");
  EXPECT_EQ(station_.name.str(), name);
  std::string cabrilloForm;
  for (int line = 0; line < 20; ++line) {
    cabrilloForm += "line " + std::to_string(line) + "\r\nSOAPBOX: ";
  }
  EXPECT_EQ(station_.soapbox.str(), cabrilloForm + "end");
}

TEST_F(StationSettingsTest, SoapboxLineBreaksTakeTheirThreeForms) {
  struct Case {
    const char* typed;
    const char* stored;
    const char* cabrilloForm;
    const char* shownNextTime;
  };
  const Case cases[] = {
      {"first\r\nsecond", "first<CR><LF>second", "first\r\nSOAPBOX: second", "first\r\nsecond"},
      {"a\nb", "a<LF>b", "ab", "a\nb"},
      {"a\rb", "a<CR>b", "a\r\nSOAPBOX: b", "a\rb"},
      {"a<CR>b", "a<CR>b", "a\r\nSOAPBOX: b", "a\rb"},
      {"a<LF>b", "a<LF>b", "ab", "a\nb"},
      {"", "", "", ""},
  };
  for (const Case& c : cases) {
    answerOkWith({{1001, c.typed}});
    edit("Q1QQQ");
    EXPECT_EQ(env_.readProfileString(kSection, "SoapBox", "", kIniFile).str(), c.stored);
    EXPECT_EQ(station_.soapbox.str(), c.cabrilloForm);
    answerOkWith({});
    edit("Q1QQQ");
    EXPECT_EQ(shown_[8], c.shownNextTime) << "typed \"" << c.typed << "\"";
  }
}

TEST_F(StationSettingsTest, MissingLocationKeepsTheRecordsLocation) {
  station_.location = "JO62";
  answerOkWith({});
  edit("Q1QQQ");
  EXPECT_EQ(station_.location.str(), "JO62");
  EXPECT_EQ(env_.readProfileString(kSection, "Location", "", kIniFile).str(), "JO62");
}

}  // namespace
