#include "cabrillo/host_version.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cabrillo/program_files_env.h"
#include "tests/support/fake_env.h"
#include "tests/support/pe_builder.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::ProgramFilesEnv;

constexpr std::uint32_t kV2_19 = (2u << 16) | 19u;
constexpr std::uint32_t kV0_0 = 0;
constexpr std::uint32_t kV3_1 = (3u << 16) | 1u;
constexpr std::uint32_t kV5_7 = (5u << 16) | 7u;

TEST(HostVersionTest, MajorTwoGivesTwoNumbersOthersThree) {
  struct Case {
    std::uint32_t versionMs;
    std::uint32_t versionLs;
    const char* text;
  };
  const Case cases[] = {
      {kV2_19, kV0_0, "2.19"},
      {kV2_19, kV5_7, "2.19"},
      {kV3_1, kV5_7, "3.1.5"},
      {(1u << 16) | 0u, 0u, "1.0.0"},
      {0xFFFFFFFFu, 0xFFFFFFFFu, "65535.65535.65535"},
  };
  for (const Case& c : cases) {
    ProgramFilesEnv env;
    env.files = {"Vylo.exe"};
    env.versions["Vylo.exe"] = {c.versionMs, c.versionLs};
    EXPECT_EQ(cabrillo::FindHostVersion(env).str(), c.text);
    EXPECT_EQ(env.patterns, std::vector<std::string>{"*.exe"});
  }
}

TEST(HostVersionTest, TakesTheFirstProgramWhoseNameContainsTheHostName) {
  ProgramFilesEnv env;
  env.files = {"logger.exe", "vylo.exe", "Vylo.exec", "Vylo.exe.txt", "VyloLog.EXE", "Vylo.exe"};
  env.versions["vylo.exe"] = {kV2_19, kV0_0};
  env.versions["VyloLog.EXE"] = {kV3_1, kV5_7};
  env.versions["Vylo.exe"] = {kV2_19, kV0_0};
  EXPECT_EQ(cabrillo::FindHostVersion(env).str(), "3.1.5");
  EXPECT_EQ(env.versionReads, std::vector<std::string>{"VyloLog.EXE"});
}

TEST(HostVersionTest, NoMatchingProgramGivesNoVersion) {
  ProgramFilesEnv env;
  env.files = {"logger.exe", "VYLO.exe", "Vylo.com"};
  env.versions["VYLO.exe"] = {kV2_19, kV0_0};
  EXPECT_EQ(cabrillo::FindHostVersion(env).str(), "");
  EXPECT_TRUE(env.versionReads.empty());
}

TEST(HostVersionTest, UnreadableVersionGivesNoVersionWithoutTryingOtherFiles) {
  ProgramFilesEnv env;
  env.files = {"Vylo-old.exe", "Vylo.exe"};
  env.versions["Vylo.exe"] = {kV2_19, kV0_0};
  EXPECT_EQ(cabrillo::FindHostVersion(env).str(), "");
  EXPECT_EQ(env.versionReads, std::vector<std::string>{"Vylo-old.exe"});
}

class HostVersionFileTest : public testing_support::TempDirTest {
 protected:
  testing_support::FakeEnv env_;
};

TEST_F(HostVersionFileTest, ReadsTheVersionOfTheProgramFileInTheCurrentDirectory) {
  using testing_support::buildPeWithVersion;
  testing_support::writeFile("Vylo.exec", buildPeWithVersion(3, 1, 5, 7));
  testing_support::writeFile("notes.txt", "Vylo");
  testing_support::writeFile("Vylo.exe", buildPeWithVersion(2, 19, 0, 0));
  EXPECT_EQ(cabrillo::FindHostVersion(env_).str(), "2.19");
}

TEST_F(HostVersionFileTest, UpperCaseExtensionCountsAndOtherMajorsShowThreeNumbers) {
  testing_support::writeFile("Vylo3.EXE", testing_support::buildPeWithVersion(3, 1, 5, 7));
  EXPECT_EQ(cabrillo::FindHostVersion(env_).str(), "3.1.5");
}

TEST_F(HostVersionFileTest, ProgramWithoutVersionResourceGivesNoVersion) {
  testing_support::writeFile("Vylo.exe", testing_support::buildPeWithoutVersion());
  EXPECT_EQ(cabrillo::FindHostVersion(env_).str(), "");
  testing_support::writeFile("Vylo.exe", "not a program");
  EXPECT_EQ(cabrillo::FindHostVersion(env_).str(), "");
}

}  // namespace
