// A host for Stats.dll: loads it with LoadLibraryA, finds every export under
// each of its names and runs whole evaluations, answering the dialog and the message
// boxes from a second thread. The files must equal those of the Linux build.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cabrillo/resource.h"
#include "tests/support/host_evaluation.h"
#include "tests/support/stats_library.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/ui_driver.h"

namespace {

using testing_support::Exports;
using testing_support::readFile;
using windows_ui::Window;

constexpr char kContestant[] = "Q1/QQ1QQ/P";
constexpr char kCabrilloFile[] = "Q1_QQ1QQ_P.cbr";
constexpr char kUbnFile[] = "StatsZVK_13_06_2016.txt";
constexpr char kSettings[] = "Plugins\\ZVK-CW.ini";
constexpr char kDialogCaption[] = "ZVK-CW-CONTEST";

std::string expected(const char* name) { return readFile(std::string(ZVK_HOST_DATA) + name); }

// Key=value pairs of a section, as the profile service reads them, in key order.
std::vector<std::string> settingsValues(const std::string& path) {
  std::vector<char> buffer(32768);
  DWORD length = GetPrivateProfileSectionA("Settings", buffer.data(),
                                           static_cast<DWORD>(buffer.size()), path.c_str());
  std::vector<std::string> pairs;
  for (const char* p = buffer.data(); p < buffer.data() + length && *p; p += strlen(p) + 1) {
    pairs.emplace_back(p);
  }
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  std::size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

class StatsHost : public testing_support::TempDirTest,
                  public ::testing::WithParamInterface<testing_support::ExportNaming> {
 protected:
  void SetUp() override {
    std::string reason = windows_ui::missingDisplayReason();
    if (!reason.empty()) FAIL() << reason;
    TempDirTest::SetUp();
    library_ = LoadLibraryA(ZVK_STATS_DLL);
    ASSERT_NE(library_, nullptr) << "LoadLibraryA error " << GetLastError();
    std::string missing;
    ASSERT_TRUE(testing_support::resolveExports(
        [this](const char* name) {
          return reinterpret_cast<void*>(GetProcAddress(library_, name));
        },
        GetParam().names, &x, &missing))
        << missing;
  }
  void TearDown() override {
    if (library_) FreeLibrary(library_);
    TempDirTest::TearDown();
  }

  // Settings file and host program as the operator's folder holds them.
  void prepareFolder(const char* hostProgram) {
    std::filesystem::create_directory("Plugins");
    testing_support::writeFile("Plugins/ZVK-CW.ini", expected("ZVK-CW.ini.before"));
    std::filesystem::copy_file(hostProgram, "Vylo.exe");
  }

  Exports x{};
  HMODULE library_ = nullptr;
};

// What the operator saw of the result's message box.
struct OutputBox {
  std::string text, caption;
  bool ownedByHost = false, icon = false;
};

void dismissOutputBox(unsigned long hostThread, const windows_ui::HostWindow& host,
                      OutputBox* seen) {
  Window box = windows_ui::waitForMessageBox(hostThread);
  if (!box) return;
  *seen = {windows_ui::itemText(box, 0xFFFF), windows_ui::windowText(box),
           windows_ui::owner(box).handle == host.window().handle, windows_ui::showsIcon(box)};
  windows_ui::pressOk(box);
}

void expectOutputBox(const OutputBox& seen) {
  EXPECT_EQ(seen.text, std::string("File produced: ") + kCabrilloFile);
  EXPECT_EQ(seen.caption, "Output");
  EXPECT_TRUE(seen.ownedByHost);
  EXPECT_TRUE(seen.icon);
}

TEST(StatsExports, BothNamesLeadToTheSameCode) {
  HMODULE library = LoadLibraryA(ZVK_STATS_DLL);
  ASSERT_NE(library, nullptr) << "LoadLibraryA error " << GetLastError();
  for (int i = 0; i < testing_support::kExportCount; ++i) {
    FARPROC plain = GetProcAddress(library, testing_support::kPlainNames[i]);
    EXPECT_NE(plain, nullptr) << testing_support::kPlainNames[i];
    EXPECT_EQ(plain, GetProcAddress(library, testing_support::kDecoratedNames[i]))
        << testing_support::kDecoratedNames[i];
    EXPECT_EQ(plain, GetProcAddress(library, testing_support::kMicrosoftNames[i]))
        << testing_support::kMicrosoftNames[i];
  }
  FreeLibrary(library);
}

TEST_P(StatsHost, SetQueriesAndTheSetupMessage) {
  EXPECT_EQ(x.getNumberOfSets(), 1);
  EXPECT_STREQ(x.getSetName(0), "ZVK-CW-CONTEST (C)");
  EXPECT_STREQ(x.getSetName(-1), "");
  EXPECT_EQ(x.getExchgCount(nullptr, "a", nullptr), 1);
  EXPECT_EQ(x.isValidExchg("0599", "", "", "", 0, 0, 0), 1);
  windows_ui::HostWindow host;
  std::string text, caption;
  bool unowned = false;
  unsigned long hostThread = windows_ui::currentThreadId();
  {
    windows_ui::Operator op([&] {
      Window box = windows_ui::waitForMessageBox(hostThread);
      if (!box) return;
      text = windows_ui::itemText(box, 0xFFFF);
      caption = windows_ui::windowText(box);
      unowned = !windows_ui::owner(box);
      windows_ui::pressOk(box);
    });
    x.setupSet();
  }
  EXPECT_EQ(text, "No additional setup for this contest");
  EXPECT_EQ(caption, "Error");  // the system's default caption
  EXPECT_TRUE(unowned);
}

TEST_P(StatsHost, EvaluationWithoutCabrilloWritesTheLinuxFiles) {
  EXPECT_EQ(testing_support::runEvaluation(x, kContestant, 0), expected("summary.txt"));
  EXPECT_EQ(readFile(kUbnFile), expected(kUbnFile));
  EXPECT_FALSE(testing_support::fileExists(kCabrilloFile));
}

TEST_P(StatsHost, CallChecksSeeTheLog) {
  testing_support::HostSession host(x);
  host.reset(kContestant, 0);
  const double now = 25569.0 + static_cast<double>(time(nullptr)) / 86400.0;
  host.add({"Q2QQ", "20m", "1234", now - 1.0 / 24});
  host.add({"Q3QQ", "40m", "NM", now - 12.0 / 24});
  char exchOut[50];
  EXPECT_EQ(host.checkCall("Q2QQ", "20m", exchOut), 0);
  EXPECT_STREQ(exchOut, "1234");
  EXPECT_EQ(host.checkCall("Q3QQ", "20m", exchOut), 1);
  EXPECT_STREQ(exchOut, "NM");
  EXPECT_EQ(host.checkCall("Q2QQ", "6m", exchOut), 4);
}

TEST_P(StatsHost, CabrilloEvaluationAcceptedAsShownWritesTheLinuxFiles) {
  prepareFolder(ZVK_VYLO_2_19);
  windows_ui::HostWindow host;
  std::vector<std::string> shown, powerList;
  bool dialogOwnedByHost = false;
  OutputBox output;
  std::string summary;
  unsigned long hostThread = windows_ui::currentThreadId();
  {
    windows_ui::Operator op([&] {
      Window dialog = windows_ui::waitForDialog(kDialogCaption);
      if (!dialog) return;
      for (int id : {IDC_CONTEST, IDC_CALLSIGN, IDC_CLAIMED, IDC_CATEGORY_OPERATOR,
                     IDC_CATEGORY_BAND, IDC_CATEGORY_POWER, IDC_NAME, IDC_OPERATORS, IDC_SOAPBOX}) {
        shown.push_back(windows_ui::itemText(dialog, id));
      }
      powerList = windows_ui::comboItems(dialog, IDC_CATEGORY_POWER);
      dialogOwnedByHost = windows_ui::owner(dialog).handle == host.window().handle;
      windows_ui::pressOk(dialog);
      windows_ui::waitUntilClosed(dialog);
      dismissOutputBox(hostThread, host, &output);
    });
    summary = testing_support::runEvaluation(x, kContestant, 1);
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"ZVK CW Contest", kContestant, "99", "SINGLE-OP",
                                             "ALL", "HIGH", "Jan Novak", kContestant,
                                             "first line\r\nsecond line"}));
  EXPECT_EQ(powerList, (std::vector<std::string>{"HIGH", "QRP"}));
  EXPECT_TRUE(dialogOwnedByHost);
  expectOutputBox(output);
  EXPECT_EQ(summary, expected("summary.txt"));
  EXPECT_EQ(readFile(kUbnFile), expected(kUbnFile));
  EXPECT_EQ(readFile(kCabrilloFile), expected(kCabrilloFile));
  EXPECT_EQ(settingsValues(kSettings), settingsValues(std::string(ZVK_HOST_DATA) + "ZVK-CW.ini"));
}

TEST_P(StatsHost, TypedHeaderReachesSettingsAndCabrilloFile) {
  prepareFolder(ZVK_VYLO_3_1_5_7);
  windows_ui::HostWindow host;
  OutputBox output;
  unsigned long hostThread = windows_ui::currentThreadId();
  {
    windows_ui::Operator op([&] {
      Window dialog = windows_ui::waitForDialog(kDialogCaption);
      if (!dialog) return;
      windows_ui::typeText(dialog, IDC_NAME, "Eva Nova");
      windows_ui::typeText(dialog, IDC_CATEGORY_POWER, "LOW");
      windows_ui::typeText(dialog, IDC_SOAPBOX, "one\r\ntwo");
      windows_ui::pressOk(dialog);
      windows_ui::waitUntilClosed(dialog);
      dismissOutputBox(hostThread, host, &output);
    });
    testing_support::runEvaluation(x, kContestant, 1);
  }
  expectOutputBox(output);
  std::string cabrillo = expected(kCabrilloFile);
  cabrillo = replaced(cabrillo, "CREATED-BY: Vylo 2.19", "CREATED-BY: Vylo 3.1.5");
  cabrillo = replaced(cabrillo, "NAME: Jan Novak", "NAME: Eva Nova");
  cabrillo = replaced(cabrillo, "CATEGORY-POWER: HIGH", "CATEGORY-POWER: LOW");
  cabrillo = replaced(cabrillo, "SOAPBOX: first line\r\nSOAPBOX: second line",
                      "SOAPBOX: one\r\nSOAPBOX: two");
  EXPECT_EQ(readFile(kCabrilloFile), cabrillo);
  std::vector<std::string> settings = settingsValues(std::string(ZVK_HOST_DATA) + "ZVK-CW.ini");
  for (std::string& pair : settings) {
    if (pair.rfind("Name=", 0) == 0) pair = "Name=Eva Nova";
    if (pair.rfind("Power=", 0) == 0) pair = "Power=LOW";
    if (pair.rfind("SoapBox=", 0) == 0) pair = "SoapBox=one<CR><LF>two";
  }
  std::sort(settings.begin(), settings.end());
  EXPECT_EQ(settingsValues(kSettings), settings);
}

TEST_P(StatsHost, CancelledHeaderWritesOnlyTheClaimedScore) {
  prepareFolder(ZVK_VYLO_2_19);
  windows_ui::HostWindow host;
  OutputBox output;
  unsigned long hostThread = windows_ui::currentThreadId();
  {
    windows_ui::Operator op([&] {
      Window dialog = windows_ui::waitForDialog(kDialogCaption);
      if (!dialog) return;
      windows_ui::typeText(dialog, IDC_NAME, "Eva Nova");
      windows_ui::pressCancel(dialog);
      windows_ui::waitUntilClosed(dialog);
      dismissOutputBox(hostThread, host, &output);
    });
    testing_support::runEvaluation(x, kContestant, 1);
  }
  expectOutputBox(output);
  std::vector<std::string> settings =
      settingsValues(std::string(ZVK_HOST_DATA) + "ZVK-CW.ini.before");
  std::replace(settings.begin(), settings.end(), std::string("Claimed=99"),
               std::string("Claimed=17"));
  EXPECT_EQ(settingsValues(kSettings), settings);
}

INSTANTIATE_TEST_SUITE_P(EveryExportName, StatsHost,
                         ::testing::Values(testing_support::kPlainNaming,
                                           testing_support::kDecoratedNaming,
                                           testing_support::kMicrosoftNaming),
                         testing_support::namingLabel);

}  // namespace
