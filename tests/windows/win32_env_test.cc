#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>

#include "platform/env.h"
#include "tests/support/temp_dir.h"
#include "zvk_version.h"

namespace {

using platform::Env;
using testing_support::readFile;
using testing_support::writeFile;

class Win32Profile : public testing_support::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    std::filesystem::create_directory("Plugins");
  }
  static constexpr const char* kPath = "Plugins\\ZVK-CW.ini";
};

TEST_F(Win32Profile, MissingFileSectionOrKeyGivesTheDefault) {
  Env& env = Env::current();
  EXPECT_EQ(env.readProfileString("Settings", "Name", "none", kPath).str(), "none");
  ASSERT_TRUE(env.writeProfileString("Settings", "Name", "Jan", kPath));
  EXPECT_EQ(env.readProfileString("Other", "Name", "none", kPath).str(), "none");
  EXPECT_EQ(env.readProfileString("Settings", "Club", "none", kPath).str(), "none");
  EXPECT_EQ(env.readProfileString("SETTINGS", "name", "none", kPath).str(), "Jan");
}

TEST_F(Win32Profile, LongValuesAreReadWhole) {
  Env& env = Env::current();
  for (std::size_t length : {254u, 255u, 256u, 511u, 1500u}) {
    std::string value(length, 'x');
    value.back() = 'y';
    ASSERT_TRUE(env.writeProfileString("Settings", "SoapBox", value.c_str(), kPath));
    EXPECT_EQ(env.readProfileString("Settings", "SoapBox", "", kPath).str(), value) << length;
  }
}

TEST_F(Win32Profile, EmptyAndNullValuesAreStoredAsEmptyText) {
  Env& env = Env::current();
  ASSERT_TRUE(env.writeProfileString("Settings", "Name", "Jan", kPath));
  ASSERT_TRUE(env.writeProfileString("Settings", "Name", nullptr, kPath));
  ASSERT_TRUE(env.writeProfileString("Settings", "Club", "", kPath));
  EXPECT_EQ(env.readProfileString("Settings", "Name", "none", kPath).str(), "");
  EXPECT_EQ(env.readProfileString("Settings", "Club", "none", kPath).str(), "");
}

TEST_F(Win32Profile, WritesKeepOtherKeysAndLandOnDisk) {
  Env& env = Env::current();
  writeFile("Plugins/ZVK-CW.ini", "[Settings]\r\nName=Jan\r\n[Other]\r\nKey=1\r\n");
  ASSERT_TRUE(env.writeProfileString("Settings", "Claimed", "17", kPath));
  EXPECT_EQ(readFile("Plugins/ZVK-CW.ini"),
            "[Settings]\r\nName=Jan\r\nClaimed=17\r\n[Other]\r\nKey=1\r\n");
}

TEST_F(Win32Profile, MissingFolderFailsWithoutCreatingIt) {
  Env& env = Env::current();
  EXPECT_FALSE(env.writeProfileString("Settings", "Name", "Jan", "Missing\\ZVK-CW.ini"));
  EXPECT_FALSE(std::filesystem::exists("Missing"));
  EXPECT_EQ(env.readProfileString("Settings", "Name", "none", "Missing\\ZVK-CW.ini").str(), "none");
}

class Win32Files : public testing_support::TempDirTest {};

TEST_F(Win32Files, FindFilesMatchesTheLongNameOnly) {
  for (const char* name : {"logger.exe", "Other.EXE", "notes.exec", "readme.exe.txt"}) {
    writeFile(name, "x");
  }
  std::filesystem::create_directory("folder.exe");
  std::vector<CString> found = Env::current().findFiles("*.exe");
  std::vector<std::string> names;
  for (const CString& name : found) names.push_back(name.str());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Other.EXE", "logger.exe"}));
  EXPECT_TRUE(Env::current().findFiles("*.dll").empty());
}

TEST_F(Win32Files, WritesAreRawAndAppendsFollowTheEnd) {
  Env& env = Env::current();
  {
    auto file = env.openForWriting("out.txt", platform::WriteMode::kTruncate);
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(file->write("a\r\nb\n", 5));
    ASSERT_TRUE(file->close());
  }
  auto file = env.openForWriting("out.txt", platform::WriteMode::kAppend);
  ASSERT_NE(file, nullptr);
  ASSERT_TRUE(file->write("c\r\n", 3));
  ASSERT_TRUE(file->close());
  EXPECT_EQ(readFile("out.txt"), "a\r\nb\nc\r\n");
  auto again = env.openForWriting("out.txt", platform::WriteMode::kTruncate);
  ASSERT_TRUE(again->close());
  EXPECT_EQ(readFile("out.txt"), "");
}

TEST_F(Win32Files, OpenFileIsSharedWithOtherReadersAndWriters) {
  auto file = Env::current().openForWriting("shared.txt", platform::WriteMode::kTruncate);
  ASSERT_NE(file, nullptr);
  ASSERT_TRUE(file->write("first\r\n", 7));
  EXPECT_EQ(readFile("shared.txt"), "first\r\n");
  auto second = Env::current().openForWriting("shared.txt", platform::WriteMode::kAppend);
  ASSERT_NE(second, nullptr);
  ASSERT_TRUE(second->write("second\r\n", 8));
  ASSERT_TRUE(second->close());
  ASSERT_TRUE(file->close());
  EXPECT_EQ(readFile("shared.txt"), "first\r\nsecond\r\n");
}

TEST_F(Win32Files, OpeningInAMissingFolderFails) {
  EXPECT_EQ(Env::current().openForWriting("Missing\\out.txt", platform::WriteMode::kAppend),
            nullptr);
  EXPECT_EQ(Env::current().openForWriting("", platform::WriteMode::kTruncate), nullptr);
}

TEST_F(Win32Files, ReadsTheFixedFileVersionOfAProgram) {
  struct Case {
    const char* program;
    std::uint32_t versionMs, versionLs;
  };
  for (const Case& c :
       {Case{ZVK_VYLO_2_19, 0x00020013, 0}, Case{ZVK_VYLO_3_1_5_7, 0x00030001, 0x00050007}}) {
    std::uint32_t ms = 0, ls = 0;
    ASSERT_TRUE(Env::current().readFileVersion(c.program, &ms, &ls)) << c.program;
    EXPECT_EQ(ms, c.versionMs);
    EXPECT_EQ(ls, c.versionLs);
  }
}

TEST_F(Win32Files, StatsDllCarriesTheProjectVersion) {
  std::uint32_t ms = 0, ls = 0;
  ASSERT_TRUE(Env::current().readFileVersion(ZVK_STATS_DLL, &ms, &ls));
  EXPECT_EQ(ms, std::uint32_t{ZVK_VERSION_MAJOR} << 16 | ZVK_VERSION_MINOR);
  EXPECT_EQ(ls, std::uint32_t{ZVK_VERSION_PATCH} << 16);
}

TEST_F(Win32Files, FilesWithoutVersionResourceHaveNoVersion) {
  writeFile("Vylo.exe", "MZ not really a program");
  std::uint32_t ms = 7, ls = 7;
  EXPECT_FALSE(Env::current().readFileVersion("Vylo.exe", &ms, &ls));
  EXPECT_FALSE(Env::current().readFileVersion("Missing.exe", &ms, &ls));
  EXPECT_EQ(ms, 7u);
  EXPECT_EQ(ls, 7u);
}

TEST(Win32Clock, CountsSecondsFromTheUnixEpoch) {
  std::int64_t before = static_cast<std::int64_t>(std::time(nullptr));
  std::int64_t now = Env::current().nowUtcSeconds();
  EXPECT_LE(before, now);
  EXPECT_LE(now, static_cast<std::int64_t>(std::time(nullptr)));
}

}  // namespace
