// Settings files as people edit them by hand: the values are read where they
// can be, the evaluation goes on, and a write keeps every other line.
#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>

#include "plugin/state.h"
#include "tests/faults/contest_fixture.h"

namespace {

using testing_support::kTwoQsoSummary;
using testing_support::readFile;

// The keys an accepted header dialog and the result write, in that order, for
// the call Q1QQQ and a score of 6; `held` keys were in the file already.
std::string writtenKeys(const std::string& lineEnd, const std::string& name = "",
                        bool nameHeld = false) {
  std::string keys = "Operators=Q1QQQ" + lineEnd;
  if (!nameHeld) keys += "Name=" + name + lineEnd;
  for (const char* key : {"Address=", "Address-City=", "Address-PostalCode=", "Address-Country=",
                          "Category=SINGLE-OP", "Location=", "Power=HIGH", "Contest=ZVK CW Contest",
                          "Email=", "Club=", "SoapBox=", "Claimed=6"}) {
    keys += key + lineEnd;
  }
  return keys;
}

struct SettingsCase {
  const char* what;
  std::string before;
  std::string name;  // as loaded
  std::string after;
};

void PrintTo(const SettingsCase& settingsCase, std::ostream* out) { *out << settingsCase.what; }

// "a very long line" -> "AVeryLongLine", for the test's name.
std::string camelCase(const char* words) {
  std::string name;
  bool wordStart = true;
  for (const char* c = words; *c; ++c) {
    const auto letter = static_cast<unsigned char>(*c);
    if (std::isalnum(letter)) name += static_cast<char>(wordStart ? std::toupper(letter) : letter);
    wordStart = !std::isalnum(letter);
  }
  return name;
}

class SettingsFaultsTest : public testing_support::ContestFixture,
                           public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(SettingsFaultsTest, ValuesAreReadAndOtherLinesKept) {
  std::filesystem::create_directory("Plugins");
  testing_support::writeFile("Plugins/ZVK-CW.ini", GetParam().before);
  reset(1);
  add("Q2QQ", "20m", "NM");
  add("Q3QQ", "20m", "1234");
  EXPECT_EQ(result(), kTwoQsoSummary);
  EXPECT_EQ(g_station.name.str(), GetParam().name);
  EXPECT_EQ(readFile("Plugins/ZVK-CW.ini"), GetParam().after);
}

const std::string kGarbage = "\xff\xfe\x01garbage\r\n=\r\n[broken\r\nName=Eva\r\n";
const std::string kDuplicates =
    "; station\r\n[Settings]\r\nName=Jan\r\n;Name=Old\r\nname=Eva\r\n\r\n[Other]\r\nName=Max\r\n";
const std::string kLongLine = std::string(5000, 'x');

INSTANTIATE_TEST_SUITE_P(
    HandEdited, SettingsFaultsTest,
    ::testing::Values(
        SettingsCase{"garbage without a section", kGarbage, "",
                     kGarbage + "[Settings]\r\n" + writtenKeys("\r\n")},
        SettingsCase{"LF line ends", "Name=Eva\nClaimed=7", "",
                     "Name=Eva\nClaimed=7\n[Settings]\n" + writtenKeys("\n")},
        SettingsCase{"duplicate keys and comments", kDuplicates, "Jan",
                     "; station\r\n[Settings]\r\nName=Jan\r\n;Name=Old\r\nname=Eva\r\n" +
                         writtenKeys("\r\n", "Jan", true) + "\r\n[Other]\r\nName=Max\r\n"},
        SettingsCase{
            "a very long line", "[Settings]\r\n" + kLongLine + "\r\nName=Jan\r\n", "Jan",
            "[Settings]\r\n" + kLongLine + "\r\nName=Jan\r\n" + writtenKeys("\r\n", "Jan", true)}),
    [](const ::testing::TestParamInfo<SettingsCase>& info) { return camelCase(info.param.what); });

}  // namespace
