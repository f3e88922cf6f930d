#ifndef ZVK_TESTS_SUPPORT_TEMP_DIR_H_
#define ZVK_TESTS_SUPPORT_TEMP_DIR_H_

#include <gtest/gtest.h>

#include <string>

namespace testing_support {

// Runs each test in a fresh temporary working directory, removed afterwards.
class TempDirTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  const std::string& dir() const { return dir_; }

 private:
  std::string dir_;
  std::string previous_;
};

// Whole contents of a file ("" when it cannot be read).
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& contents);
bool fileExists(const std::string& path);

}  // namespace testing_support

#endif  // ZVK_TESTS_SUPPORT_TEMP_DIR_H_
