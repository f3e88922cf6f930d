// Loads the built plug-in as a host does and drives it only through its exports.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>

#include "plugin/export_calls.h"
#include "plugin/stats_exports.h"
#include "tests/support/host_evaluation.h"
#include "tests/support/pe_builder.h"
#include "tests/support/qso_builder.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::Exports;
using testing_support::oleDate;
using testing_support::readFile;

std::string expected(const char* name) { return readFile(std::string(ZVK_HOST_DATA) + name); }

// A host QSO: the named arguments, the rest filled as a host might.
struct HostQso {
  const char* call;
  const char* band;
  const char* exchRcvd;
  double when;
  const char* mode = "CW";
  const char* exchSent = "001";
};

class HostTest : public testing_support::TempDirTest,
                 public ::testing::WithParamInterface<testing_support::ExportNaming> {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    library_ = dlopen(ZVK_STATS_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library_, nullptr) << dlerror();
    std::string missing;
    auto lookup = [this](const char* name) { return dlsym(library_, name); };
    ASSERT_TRUE(testing_support::resolveExports(lookup, GetParam().names, &x, &missing)) << missing;
  }
  void TearDown() override {
    if (library_) dlclose(library_);
    TempDirTest::TearDown();
  }

  int reset(const char* contestant, int makeCabrillo = 0) {
    return testing_support::HostSession(x).reset(contestant, makeCabrillo);
  }
  int qso(decltype(&::AddData0) function, const HostQso& q) {
    COleDateTime time(q.when, COleDateTime::valid), other(1.0, COleDateTime::valid);
    export_calls::QsoArguments a({"x", &other, 9, 1, 0.5});
    a.myCall = "Q1QQQ";
    a.call = q.call;
    a.qsoTime = &time;
    a.frequency = 14025500;
    a.mode = q.mode;
    a.rstSent = a.rstRcvd = "599";
    a.exchSent = q.exchSent;
    a.exchRcvd = q.exchRcvd;
    a.hostTextA = "A";
    a.hostTextB = "B";
    a.band = q.band;
    return export_calls::call(function, a);
  }
  int check(const char* call, const char* band, char* exchOut) {
    export_calls::CheckCallArguments a({"x", nullptr, 1, 1, 0.5});
    a.call = call;
    a.mode = "CW";
    a.band = a.otherBand = band;
    a.exchOut = exchOut;
    return export_calls::call(x.checkCall, a);
  }

  Exports x{};

 private:
  void* library_ = nullptr;
};

TEST_P(HostTest, SetQueriesAnswerWithoutAnyReset) {
  EXPECT_EQ(x.getNumberOfSets(), 1);
  EXPECT_STREQ(x.getSetName(0), "ZVK-CW-CONTEST (C)");
  EXPECT_STREQ(x.getSetName(1), "");
  EXPECT_STREQ(x.getSetName(-1), "");
  EXPECT_EQ(x.getExchgCount(nullptr, "a", nullptr), 1);
  EXPECT_EQ(x.isValidExchg("0599", "", "", "", 0, 0, 0), 1);
  EXPECT_EQ(x.isValidExchg("599", "", "", "", 0, 0, 0), 0);
  EXPECT_EQ(x.isValidExchg(nullptr, nullptr, nullptr, nullptr, 0, 0, 0), 0);
  testing::internal::CaptureStderr();
  x.setupSet();
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Error: No additional setup for this contest\n");
}

TEST_P(HostTest, CallCheckSeesTheLogAsTheOperatorTypes) {
  reset("Q1QQQ");
  const double now = 25569.0 + static_cast<double>(std::time(nullptr)) / 86400.0;
  qso(x.addData, {"Q2QQ", "20m", "1234", now - 1.0 / 24});
  qso(x.addData, {"Q3QQ", "20m", "2345", now - 10.0 / 24});
  qso(x.addData, {"Q3QQ", "40m", "NM", now - 12.0 / 24});
  char exchOut[50];
  EXPECT_EQ(check("Q2QQ", "20m", exchOut), 0);
  EXPECT_STREQ(exchOut, "1234");
  EXPECT_EQ(check("Q3QQ", "20m", exchOut), 1);
  EXPECT_STREQ(exchOut, "NM");
  EXPECT_EQ(check("Q9QQ", "20m", exchOut), 1);
  EXPECT_STREQ(exchOut, "");
  EXPECT_EQ(check("Q2QQ", "6m", exchOut), 4);
}

TEST_P(HostTest, NullArgumentsNeverCrash) {
  export_calls::ResetArguments reset({"x"});
  reset.text1 = reset.contestant = nullptr;
  EXPECT_EQ(export_calls::call(x.resetStats, reset), 1);
  EXPECT_EQ(readFile("StatsZVK_.txt"), "ZVK-CW-CONTEST  UBN file \r\n");
  export_calls::QsoArguments qso({"x"});
  for (const char** named :
       {&qso.myCall, &qso.call, &qso.mode, &qso.rstSent, &qso.rstRcvd, &qso.exchSent, &qso.exchRcvd,
        &qso.hostTextA, &qso.hostTextB, &qso.band}) {
    *named = nullptr;
  }
  EXPECT_EQ(export_calls::call(x.addData, qso), 0);
  EXPECT_EQ(export_calls::call(x.removeData, qso), 0);
  export_calls::CheckCallArguments query({"x"});
  query.call = query.mode = query.band = query.otherBand = nullptr;
  EXPECT_EQ(export_calls::call(x.checkCall, query), 4);
  EXPECT_EQ(check(nullptr, "20m", nullptr), 1);
  EXPECT_NE(x.getResult(nullptr), nullptr);
}

TEST_P(HostTest, CabrilloEvaluationWritesSettingsStatisticsAndCabrilloFiles) {
  std::filesystem::create_directory("Plugins");
  testing_support::writeFile("Plugins/ZVK-CW.ini",
                             "[Settings]\r\nName=Jan Q\r\nSoapBox=first<CR><LF>second\r\n");
  testing_support::writeFile("Vylo.exe", testing_support::buildPeWithVersion(2, 19, 0, 0));
  setenv("STATS_DIALOG", "ok", 1);
  reset("Q1/QQ1QQ/P", 1);
  unsetenv("STATS_DIALOG");
  double day = oleDate(2016, 6, 12);
  qso(x.addData, {"Q2QQ", "20m", "NM", day + 0.5});
  qso(x.addData, {"Q3QQ", "80m", "123", day + 0.6});
  int out = 55;
  testing::internal::CaptureStderr();
  x.getResult(&out);
  x.getResult(&out);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Output: File produced: Q1_QQ1QQ_P.cbr\n"
            "Output: File produced: Q1_QQ1QQ_P.cbr\n");
  EXPECT_EQ(out, -1);
  EXPECT_EQ(readFile("Q1_QQ1QQ_P.cbr"),
            "START-OF-LOG: 3.0\r\n"
            "CONTEST: ZVK CW Contest\r\n"
            "CALLSIGN: Q1/QQ1QQ/P\r\n"
            "CATEGORY-OPERATOR: SINGLE-OP\r\n"
            "CATEGORY-BAND: ALL\r\n"
            "CATEGORY-POWER: HIGH\r\n"
            "CLAIMED-SCORE: 6\r\n"
            "CLUB: \r\n"
            "CREATED-BY: Vylo 2.19\r\n"
            "NAME: Jan Q\r\n"
            "ADDRESS: \r\n"
            "ADDRESS-CITY: \r\n"
            "ADDRESS-POSTALCODE: \r\n"
            "ADDRESS-COUNTRY: \r\n"
            "EMAIL: \r\n"
            "OPERATORS: Q1/QQ1QQ/P\r\n"
            "SOAPBOX: first\r\n"
            "SOAPBOX: second\r\n"
            "QSO: 14025 CW 2016-06-12 1200 Q1/QQ1QQ/P    599 001    Q2QQ          599 NM\r\n"
            "QSO: 14025 CW 2016-06-12 1424 Q1/QQ1QQ/P    599 001    Q3QQ          599 123\r\n"
            "END-OF-LOG:\r\n");
  EXPECT_EQ(readFile("Plugins/ZVK-CW.ini"),
            "[Settings]\r\n"
            "Name=Jan Q\r\n"
            "SoapBox=first<CR><LF>second\r\n"
            "Operators=Q1/QQ1QQ/P\r\n"
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
            "Claimed=6\r\n");
  EXPECT_EQ(readFile("StatsZVK_13_06_2016.txt"), "ZVK-CW-CONTEST  UBN file \r\n");
}

// The same calls as the Windows host test; both builds must write these files.
TEST_P(HostTest, EvaluationWritesTheSharedExpectedFiles) {
  EXPECT_EQ(testing_support::runEvaluation(x, "Q1/QQ1QQ/P", 0), expected("summary.txt"));
  EXPECT_EQ(readFile("StatsZVK_13_06_2016.txt"), expected("StatsZVK_13_06_2016.txt"));
  EXPECT_FALSE(testing_support::fileExists("Q1_QQ1QQ_P.cbr"));
}

TEST_P(HostTest, CabrilloEvaluationWritesTheSharedExpectedFiles) {
  std::filesystem::create_directory("Plugins");
  testing_support::writeFile("Plugins/ZVK-CW.ini", expected("ZVK-CW.ini.before"));
  testing_support::writeFile("Vylo.exe", testing_support::buildPeWithVersion(2, 19, 0, 0));
  setenv("STATS_DIALOG", "ok", 1);
  testing::internal::CaptureStderr();
  std::string summary = testing_support::runEvaluation(x, "Q1/QQ1QQ/P", 1);
  testing::internal::GetCapturedStderr();
  unsetenv("STATS_DIALOG");
  EXPECT_EQ(summary, expected("summary.txt"));
  EXPECT_EQ(readFile("StatsZVK_13_06_2016.txt"), expected("StatsZVK_13_06_2016.txt"));
  EXPECT_EQ(readFile("Q1_QQ1QQ_P.cbr"), expected("Q1_QQ1QQ_P.cbr"));
  EXPECT_EQ(readFile("Plugins/ZVK-CW.ini"), expected("ZVK-CW.ini"));
}

INSTANTIATE_TEST_SUITE_P(BothExportNames, HostTest,
                         ::testing::Values(testing_support::kPlainNaming,
                                           testing_support::kDecoratedNaming),
                         testing_support::namingLabel);

}  // namespace
