#include "import/log_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace {

class LogFolderTest : public testing_support::TempDirTest {};

TEST_F(LogFolderTest, AFolderIsEveryRegularFileInItSortedAndNamedUnderIt) {
  std::filesystem::create_directories("logs/inner");
  for (const char* name :
       {"logs/q2ab.adi", "logs/Q1ZVK.cbr", "logs/inner/q3cd.log", "logs/.hidden.cbr", "q9zz.cbr"}) {
    testing_support::writeFile(name, "QSO:\n");
  }
  std::filesystem::create_symlink("missing.cbr", "logs/dangling.cbr");
  std::filesystem::create_directory("empty");
  EXPECT_EQ(imports::listLogFiles({"q9zz.cbr", "logs", "missing.adi", "empty", "logs/"}),
            (std::vector<std::string>{"q9zz.cbr", "logs/Q1ZVK.cbr", "logs/q2ab.adi", "missing.adi",
                                      "logs/Q1ZVK.cbr", "logs/q2ab.adi"}));
}

}  // namespace
