#include "platform/pe_version.h"

#include <filesystem>
#include <random>
#include <string>

#include "platform/env.h"
#include "tests/support/pe_builder.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::buildPeWithoutVersion;
using testing_support::buildPeWithVersion;
using testing_support::PeFormat;
using testing_support::writeFile;

constexpr std::uint32_t kUntouched = 0xDEADBEEF;

bool versionOf(const std::string& image) {
  std::uint32_t ms = kUntouched;
  std::uint32_t ls = kUntouched;
  bool found = platform::findPeFileVersion(image, &ms, &ls);
  EXPECT_TRUE(found || (ms == kUntouched && ls == kUntouched)) << "outputs changed on failure";
  return found;
}

class FileVersionTest : public testing_support::TempDirTest {
 protected:
  bool readVersion(const char* path) {
    return platform::Env::current().readFileVersion(path, &ms, &ls);
  }
  std::uint32_t ms = kUntouched;
  std::uint32_t ls = kUntouched;
};

TEST_F(FileVersionTest, ReadsFileVersionOfProgramFiles) {
  struct Case {
    std::uint16_t a, b, c, d;
    PeFormat format;
    std::uint32_t ms, ls;
  };
  const Case cases[] = {
      {2, 19, 0, 0, PeFormat::kPe32, 0x00020013, 0x00000000},
      {3, 1, 5, 7, PeFormat::kPe32, 0x00030001, 0x00050007},
      {3, 1, 5, 7, PeFormat::kPe32Plus, 0x00030001, 0x00050007},
      {65535, 0, 1, 65535, PeFormat::kPe32, 0xFFFF0000, 0x0001FFFF},
  };
  std::filesystem::create_directory("bin");
  for (const Case& c : cases) {
    writeFile("bin/Vylo.exe", buildPeWithVersion(c.a, c.b, c.c, c.d, c.format));
    ASSERT_TRUE(readVersion("bin\\Vylo.exe")) << c.a << "." << c.b;
    EXPECT_EQ(ms, c.ms);
    EXPECT_EQ(ls, c.ls);
  }
}

TEST_F(FileVersionTest, NoReadableVersionGivesFalse) {
  writeFile("nover.exe", buildPeWithoutVersion());
  writeFile("empty.exe", "");
  writeFile("text.exe", "MZ but nothing else");
  std::filesystem::create_directory("folder.exe");
  for (const char* path : {"nover.exe", "empty.exe", "text.exe", "folder.exe", "missing.exe"}) {
    EXPECT_FALSE(readVersion(path)) << path;
  }
  EXPECT_EQ(ms, kUntouched);
  EXPECT_EQ(ls, kUntouched);
}

// Every prefix of an image fails until the whole version block is present.
TEST(PeVersionParser, TruncatedImagesFailCleanly) {
  const std::string image = buildPeWithVersion(3, 1, 5, 7);
  std::size_t firstReadable = image.size() + 1;
  for (std::size_t length = 0; length <= image.size(); ++length) {
    bool found = versionOf(image.substr(0, length));
    if (found && firstReadable > image.size()) firstReadable = length;
    EXPECT_EQ(found, length >= firstReadable) << "prefix of " << length << " bytes";
  }
  const std::size_t signature = image.find("\xBD\x04\xEF\xFE");
  ASSERT_NE(signature, std::string::npos);
  EXPECT_GE(firstReadable, signature + 16);
}

TEST(PeVersionParser, DamagedStructuresAreRejected) {
  constexpr std::size_t kResourceRoot = 0x200;  // where the builder puts .rsrc
  struct Damage {
    const char* what;
    std::size_t offset;
    std::string bytes;
  };
  const Damage damages[] = {
      {"PE offset past the end", 0x3c, std::string("\xff\xff\xff\x7f", 4)},
      {"no PE signature", 0x40, "NE"},
      {"unknown optional header", 0x58, std::string("\x07\x01", 2)},
      {"no sections", 0x46, std::string("\0\0", 2)},
      {"type entry points at its own directory", kResourceRoot + 20, std::string("\0\0\0\x80", 4)},
      {"type entry is data", kResourceRoot + 20, std::string("\x18\0\0\0", 4)},
      {"data entry RVA past the section", kResourceRoot + 0x48, std::string("\0\0\0\x10", 4)},
      {"huge data size", kResourceRoot + 0x4c, std::string("\xff\xff\xff\xff", 4)},
  };
  for (const Damage& damage : damages) {
    std::string image = buildPeWithVersion(2, 19, 0, 0);
    image.replace(damage.offset, damage.bytes.size(), damage.bytes);
    EXPECT_FALSE(versionOf(image)) << damage.what;
  }
  std::string image = buildPeWithVersion(2, 19, 0, 0);
  image[image.find("\xBD\x04\xEF\xFE")] = 0;
  EXPECT_FALSE(versionOf(image)) << "fixed information without its signature";
}

TEST(PeVersionParser, SurvivesEveryFlippedByteAndRandomBytes) {
  const std::string good = buildPeWithVersion(2, 19, 0, 0);
  for (std::size_t i = 0; i < good.size(); ++i) {
    std::string image = good;
    image[i] = static_cast<char>(~image[i]);
    versionOf(image);
  }
  std::mt19937 random(20160214);
  for (int round = 0; round < 500; ++round) {
    std::string image = round % 2 ? good.substr(0, 0x58) : "MZ";
    image.resize(random() % 2048 + image.size());
    for (std::size_t i = round % 2 ? 0x58 : 2; i < image.size(); ++i) {
      image[i] = static_cast<char>(random());
    }
    EXPECT_FALSE(versionOf(image)) << "round " << round;
  }
}

}  // namespace
