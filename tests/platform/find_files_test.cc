#include <algorithm>
#include <string>
#include <vector>

#include "platform/env.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::writeFile;

class FindFilesTest : public testing_support::TempDirTest {
 protected:
  std::vector<std::string> find(const char* pattern) {
    std::vector<std::string> names;
    for (const CString& name : platform::Env::current().findFiles(pattern)) {
      names.push_back(name.str());
    }
    std::sort(names.begin(), names.end());  // the directory's order is not part of the contract
    return names;
  }
};

TEST_F(FindFilesTest, MatchesExtensionWithoutRegardToCase) {
  for (const char* name : {"Vylo.EXE", "other.exe", "notes.exec", "readme.exe.txt", "exe"}) {
    writeFile(name, "x");
  }
  EXPECT_EQ(find("*.exe"), (std::vector<std::string>{"Vylo.EXE", "other.exe"}));
  EXPECT_EQ(find("*.dll"), std::vector<std::string>{});
}

}  // namespace
