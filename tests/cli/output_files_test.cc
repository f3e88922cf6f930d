// zvk-score lists every file the plug-in wrote, under the names the plug-in
// gives them: calls it rewrites for the file system included.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "tests/cli/zvk_score_runner.h"
#include "tests/support/temp_dir.h"

namespace {

struct CabrilloName {
  const char* test;
  const char* call;
  const char* file;
};

void PrintTo(const CabrilloName& name, std::ostream* out) { *out << name.call; }

class OutputFilesTest : public testing_support::TempDirTest,
                        public ::testing::WithParamInterface<CabrilloName> {};

TEST_P(OutputFilesTest, CabrilloLogIsListedUnderThePlugInsName) {
  testing_support::ProgramRun run =
      testing_support::runZvkScore({std::string(ZVK_EXAMPLES_DIR) + "/zvk-sample.adi", "--cabrillo",
                                    "--yes", "--out", "o", "--call", GetParam().call});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(std::string("o/") + GetParam().file));
  const std::string listed = std::string("\n  o/") + GetParam().file + "  (Cabrillo log)\n";
  EXPECT_NE(run.out.find("\n\nFiles written:\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(listed), std::string::npos) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Calls, OutputFilesTest,
    ::testing::Values(CabrilloName{"Plain", "Q1ZVK", "Q1ZVK.cbr"},
                      CabrilloName{"Portable", "Q1ZVK/P", "Q1ZVK_P.cbr"},
                      CabrilloName{"Colon", "A:B", "A_B.cbr"},
                      CabrilloName{"DeviceName", "CON", "CON_.cbr"},
                      CabrilloName{"DeviceNameWithDot", "com1.x", "com1_.x.cbr"},
                      CabrilloName{"OnlyBlanks", " ", "VOXA.cbr"}),
    [](const ::testing::TestParamInfo<CabrilloName>& info) { return info.param.test; });

}  // namespace
