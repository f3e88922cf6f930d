#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/env.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::fileExists;
using testing_support::readFile;
using testing_support::writeFile;

constexpr char kFile[] = "station.ini";

class ProfileTest : public testing_support::TempDirTest {
 protected:
  std::string read(const char* section, const char* key, const char* path = kFile) {
    return env.readProfileString(section, key, "(default)", path).str();
  }
  bool write(const char* section, const char* key, const char* value, const char* path = kFile) {
    return env.writeProfileString(section, key, value, path);
  }
  std::vector<std::string> folderEntries(const std::string& folder = ".") {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  platform::Env& env = platform::Env::current();
};

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesDefault) {
  EXPECT_EQ(read("Settings", "Name"), "(default)");
  writeFile(kFile, "Name=outside any section\r\n[Other]\r\nName=other\r\n[Settings]\r\nEmpty=\r\n");
  EXPECT_EQ(read("Settings", "Name"), "(default)");
  EXPECT_EQ(read("Missing", "Name"), "(default)");
  EXPECT_EQ(read("Settings", "Empty"), "");
}

TEST_F(ProfileTest, ValueIsReadWholeTrimmedAndUnquoted) {
  const std::string longValue(300, 'x');
  writeFile(kFile,
            "[settings]\n  Call = OK1XYZ  \nName=\"Jan \"\nQ='single'\nHalf=\"open\n"
            "Long=" +
                longValue + "\n; Club=commented out\n");
  EXPECT_EQ(read("SETTINGS", "call"), "OK1XYZ");
  EXPECT_EQ(read("Settings", "Name"), "Jan ");
  EXPECT_EQ(read("Settings", "Q"), "single");
  EXPECT_EQ(read("Settings", "Half"), "\"open");
  EXPECT_EQ(read("Settings", "Long"), longValue);
  EXPECT_EQ(read("Settings", "; Club"), "(default)");
}

TEST_F(ProfileTest, NewFileSectionsAndKeysAreWrittenWithCrLf) {
  ASSERT_TRUE(write("Settings", "Operators", "Q1QQQ"));
  ASSERT_TRUE(write("Settings", "Spaced", "two  words"));
  ASSERT_TRUE(write("Second Section", "Port", "COM3"));
  ASSERT_TRUE(write("settings", "OPERATORS", "Q1NEW"));
  EXPECT_EQ(readFile(kFile),
            "[Settings]\r\nOperators=Q1NEW\r\nSpaced=two  words\r\n"
            "[Second Section]\r\nPort=COM3\r\n");
  EXPECT_EQ(folderEntries(), std::vector<std::string>{kFile});  // no temporary left behind
}

TEST_F(ProfileTest, WriteKeepsEveryOtherLineByteForByte) {
  writeFile(kFile,
            "; station data\n[Other]\nOperators=keep\n\n[SETTINGS]\n  operators = OLD  \n"
            "garbage line without equals\nName=Jan\n\n[Last]\nX=1");
  ASSERT_TRUE(write("Settings", "Operators", "Q1NEW"));
  ASSERT_TRUE(write("Settings", "Club", "ZVK"));
  ASSERT_TRUE(write("New", "K", "V"));
  EXPECT_EQ(readFile(kFile),
            "; station data\n[Other]\nOperators=keep\n\n[SETTINGS]\noperators=Q1NEW\n"
            "garbage line without equals\nName=Jan\nClub=ZVK\n\n[Last]\nX=1\n[New]\nK=V\n");
}

TEST_F(ProfileTest, NewLinesFollowTheFilesLineEnds) {
  struct Case {
    const char* before;
    const char* after;
  };
  const Case cases[] = {
      {"[Settings]\r\nA=1\r\n", "[Settings]\r\nA=1\r\nB=2\r\n"},
      {"[Settings]\nA=1\n", "[Settings]\nA=1\nB=2\n"},
      {"[Settings]\r\nA=1", "[Settings]\r\nA=1\r\nB=2\r\n"},
      {"", "[Settings]\r\nB=2\r\n"},
  };
  for (const Case& c : cases) {
    writeFile(kFile, c.before);
    ASSERT_TRUE(write("Settings", "B", "2"));
    EXPECT_EQ(readFile(kFile), c.after) << c.before;
  }
}

TEST_F(ProfileTest, DuplicateKeysReadAndReplaceTheFirst) {
  writeFile(kFile, "[Settings]\r\nCall=FIRST\r\nCall=SECOND\r\n[Settings]\r\nCall=THIRD\r\n");
  EXPECT_EQ(read("Settings", "Call"), "FIRST");
  ASSERT_TRUE(write("Settings", "Call", "NEW"));
  EXPECT_EQ(readFile(kFile),
            "[Settings]\r\nCall=NEW\r\nCall=SECOND\r\n[Settings]\r\nCall=THIRD\r\n");
}

TEST_F(ProfileTest, LastLineEndingInALoneCrReadsTheSameAfterAWrite) {
  writeFile(kFile, "[Settings]\nClaimed=7\r");
  EXPECT_EQ(read("Settings", "Claimed"), "7");
  ASSERT_TRUE(write("Settings", "Name", "Jan"));
  EXPECT_EQ(readFile(kFile), "[Settings]\nClaimed=7\r\nName=Jan\n");
  EXPECT_EQ(read("Settings", "Claimed"), "7");
}

TEST_F(ProfileTest, UnstorableTextIsRefusedAndTheFileKept) {
  const std::string before = "[Settings]\r\nSoapBox=one line\r\n";
  writeFile(kFile, before);
  EXPECT_FALSE(write("Settings", "SoapBox", "first\r\nsecond"));
  EXPECT_FALSE(write("Settings", "SoapBox", "lone\nfeed"));
  EXPECT_FALSE(write("Settings", "Key=Value", "x"));
  EXPECT_FALSE(write("Sec]tion", "Key", "x"));
  EXPECT_FALSE(write("Settings", "", "x"));
  EXPECT_FALSE(write("Settings", "SoapBox", nullptr));
  EXPECT_EQ(readFile(kFile), before);
}

TEST_F(ProfileTest, MissingFolderFailsAndIsNotCreated) {
  EXPECT_FALSE(write("Settings", "Claimed", "120", "Plugins\\ZVK-CW.ini"));
  EXPECT_FALSE(fileExists("Plugins"));
  std::filesystem::create_directory("Plugins");
  ASSERT_TRUE(write("Settings", "Claimed", "120", "Plugins\\ZVK-CW.ini"));
  EXPECT_EQ(readFile("Plugins/ZVK-CW.ini"), "[Settings]\r\nClaimed=120\r\n");
  EXPECT_EQ(read("Settings", "Claimed", "Plugins\\ZVK-CW.ini"), "120");
}

TEST_F(ProfileTest, ReadOnlyFileIsNotChanged) {
  const std::string before = "[Settings]\r\nName=Jan\r\n";
  writeFile(kFile, before);
  ::chmod(kFile, 0444);
  EXPECT_FALSE(write("Settings", "Name", "Eva"));
  EXPECT_EQ(readFile(kFile), before);
}

// Root writes into read-only folders: as root, the folder and file are
// handed to another user, who then tries, in a child process.
void becomeOtherUserIfRoot() {
  constexpr uid_t kNobody = 65534;
  if (::geteuid() != 0) return;
  if (::chmod(".", 0755) != 0 || ::chown("Plugins", kNobody, kNobody) != 0 ||
      ::chown("Plugins/x.ini", kNobody, kNobody) != 0 || ::setgid(kNobody) != 0 ||
      ::setuid(kNobody) != 0) {
    std::_Exit(3);
  }
}

TEST_F(ProfileTest, ReadOnlyFolderKeepsTheFile) {
  const std::string before = "[S]\r\nK=old\r\n";
  std::filesystem::create_directory("Plugins");
  writeFile("Plugins/x.ini", before);
  ::chmod("Plugins", 0555);
  EXPECT_EXIT(
      {
        becomeOtherUserIfRoot();
        const bool written = write("S", "K", "new", "Plugins\\x.ini");
        std::_Exit(written ? 1 : readFile("Plugins/x.ini") == before ? 0 : 2);
      },
      testing::ExitedWithCode(0), "")
      << "1: written anyway, 2: the file changed, 3: cannot become another user";
}

TEST_F(ProfileTest, FailedWriteKeepsOldFileAndLeavesNoTemporary) {
  const std::string before = "[Settings]\r\nName=Jan\r\n";
  writeFile(kFile, before);
  ::chmod(kFile, 0640);
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved;
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 64;  // the disk "fills up" after 64 bytes
  ::setrlimit(RLIMIT_FSIZE, &small);
  const bool written = write("Settings", "SoapBox", std::string(100, 's').c_str());
  ::setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_FALSE(written);
  EXPECT_EQ(readFile(kFile), before);
  EXPECT_EQ(folderEntries(), std::vector<std::string>{kFile});
  ASSERT_TRUE(write("Settings", "Name", "Eva"));
  struct stat info;
  ASSERT_EQ(::stat(kFile, &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);  // replacing the file keeps its permissions
}

}  // namespace
