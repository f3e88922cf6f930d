#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace testing_support {
namespace {

// A new, empty folder in the system's temporary folder (mkdtemp is POSIX only).
std::string makeUniqueDir() {
  std::random_device random;
  for (;;) {
    std::filesystem::path candidate =
        std::filesystem::temp_directory_path() / ("zvk-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) return candidate.string();
  }
}

}  // namespace

void TempDirTest::SetUp() {
  previous_ = std::filesystem::current_path().string();
  dir_ = makeUniqueDir();
  std::filesystem::current_path(dir_);
}

void TempDirTest::TearDown() {
  std::filesystem::current_path(previous_);
  std::error_code ignored;
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(dir_, ignored);
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

void writeFile(const std::string& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

bool fileExists(const std::string& path) { return std::filesystem::exists(path); }

}  // namespace testing_support
