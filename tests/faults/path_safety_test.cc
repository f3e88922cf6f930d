// Whatever the call sign or the contest date, the plug-in writes only into
// the working directory and its Plugins folder.
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>

#include "plugin/contest_operations.h"
#include "tests/faults/contest_fixture.h"

namespace {

namespace fs = std::filesystem;

class PathSafetyTest : public testing_support::ContestFixture {
 protected:
  // Runs in "work" inside the temporary folder, which must end up holding
  // nothing else.
  void SetUp() override {
    ContestFixture::SetUp();
    fs::create_directories("work/Plugins");
    fs::current_path("work");
  }

  void expectOnlyWorkingFiles() {
    for (const fs::directory_entry& entry : fs::directory_iterator(dir())) {
      EXPECT_EQ(entry.path().filename(), "work");
    }
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(".")) {
      const fs::path parent = entry.path().parent_path();
      EXPECT_TRUE(parent == "." || parent == "./Plugins") << entry.path();
    }
  }
};

TEST_F(PathSafetyTest, CallSignsNeverNameAFileElsewhere) {
  const std::string kCalls[] = {
      "../escape", "..\\..\\escape", "/tmp/escape",    "Q1/../../P",          "..",      ".",
      "CON",       "nul.txt",        "Plugins/ZVK-CW", std::string(300, 'Q'), "\r\n/\\", ""};
  std::string typedCall;
  env.dialog = [&typedCall](platform::DialogForm& form) {
    for (platform::FormField& field : form.fields) {
      if (field.controlId == 1010 && !typedCall.empty()) *field.value = typedCall.c_str();
    }
    return platform::kDialogOk;
  };
  for (const std::string& call : kCalls) {
    typedCall = call;
    reset(1, call.c_str());
    add("Q2QQ", "20m", "NM");
    result();
    const std::string message = lastMessage();
    EXPECT_TRUE(message.rfind("File produced: ", 0) == 0 ||
                message.rfind("File not written: ", 0) == 0)
        << message;
    expectOnlyWorkingFiles();
  }
}

TEST_F(PathSafetyTest, ContestDatesNeverNameAFileElsewhere) {
  const double kDays[] = {std::nan(""), INFINITY,  -INFINITY, 1e308,
                          -1e308,       -657435.0, 2958466.0, 42534.5};
  for (double day : kDays) {
    for (std::int32_t status : {0, 1, 2, 7, -1}) {
      ResetRequest request{0, "Q1QQQ", COleDateTime(day, status), COleDateTime(day, status)};
      resetStatistics(request, env);
      add("Q2QQ", "160m", "NM");
    }
  }
  expectOnlyWorkingFiles();
}

}  // namespace
