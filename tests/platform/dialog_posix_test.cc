#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/env.h"
#include "platform/posix/terminal_form.h"
#include "tests/support/temp_dir.h"

namespace {

using platform::ControlKind;
using platform::DialogForm;
using platform::DialogResult;
using platform::kDialogCancel;
using platform::kDialogFailed;
using platform::kDialogOk;

class DialogTest : public testing_support::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    const char* mode = std::getenv("STATS_DIALOG");
    hadMode_ = mode != nullptr;
    if (mode) savedMode_ = mode;
    form.caption = "ZVK-CW-CONTEST";
    form.fields = {
        {1009, "CONTEST", ControlKind::kEdit, {}, &contest},
        {1015, "CATEGORY-POWER", ControlKind::kComboBox, {"HIGH", "QRP"}, &power},
        {1001, "SOAPBOX", ControlKind::kMultiLineEdit, {}, &soapbox},
        {1005, "CLUB", ControlKind::kEdit, {}, &club},
    };
  }
  void TearDown() override {
    platform::installDialogHandler(nullptr);
    if (hadMode_) {
      ::setenv("STATS_DIALOG", savedMode_.c_str(), 1);
    } else {
      ::unsetenv("STATS_DIALOG");
    }
    TempDirTest::TearDown();
  }

  DialogResult runWithMode(const char* mode) {
    ::setenv("STATS_DIALOG", mode, 1);
    return platform::Env::current().runDialog(form);
  }
  // Runs the terminal form on `answers` and keeps what it printed in `transcript`.
  DialogResult answer(const std::string& answers) {
    std::FILE* in = std::tmpfile();
    std::fputs(answers.c_str(), in);
    std::rewind(in);
    char* printed = nullptr;
    std::size_t printedSize = 0;
    std::FILE* out = open_memstream(&printed, &printedSize);
    DialogResult result = platform::runTerminalForm(form, in, out);
    std::fclose(out);
    std::fclose(in);
    transcript.assign(printed, printedSize);
    std::free(printed);
    return result;
  }
  void expectUnchanged() {
    EXPECT_EQ(contest, "ZVK CW Contest");
    EXPECT_EQ(power, "q");
    EXPECT_EQ(soapbox, "first\r\nsecond");
    EXPECT_EQ(club, "ZVK");
  }

  CString contest = "ZVK CW Contest";
  CString power = "q";
  CString soapbox = "first\r\nsecond";
  CString club = "ZVK";
  DialogForm form;
  std::string transcript;

 private:
  bool hadMode_ = false;
  std::string savedMode_;
};

TEST_F(DialogTest, InstalledHandlerAnswersBeforeTheEnvironment) {
  platform::installDialogHandler([](DialogForm& shown) {
    *shown.fields[3].value = "OTHER";
    return kDialogOk;
  });
  EXPECT_EQ(runWithMode("cancel"), kDialogOk);
  EXPECT_EQ(club, "OTHER");
}

TEST_F(DialogTest, OkModeAcceptsValuesAsShown) {
  EXPECT_EQ(runWithMode("ok"), kDialogOk);
  EXPECT_EQ(contest, "ZVK CW Contest");
  EXPECT_EQ(power, "QRP");  // the combo box selected the first entry beginning with "q"
  EXPECT_EQ(soapbox, "first\r\nsecond");
}

TEST_F(DialogTest, CancelAndUnknownModesChangeNothing) {
  EXPECT_EQ(runWithMode("cancel"), kDialogCancel);
  EXPECT_EQ(runWithMode("later"), kDialogFailed);
  expectUnchanged();
}

TEST_F(DialogTest, TerminalModeFailsWithoutATerminal) {
  EXPECT_EXIT(
      {
        ::setsid();  // leaves the controlling terminal behind
        std::_Exit(runWithMode("tty") == kDialogFailed ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(DialogTest, UnsetModeAcceptsWhenInputIsNoTerminal) {
  EXPECT_EXIT(
      {
        ::dup2(::open("/dev/null", O_RDONLY), STDIN_FILENO);
        ::unsetenv("STATS_DIALOG");
        bool accepted = platform::Env::current().runDialog(form) == kDialogOk && power == "QRP";
        std::_Exit(accepted ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(DialogTest, TerminalFormShowsEveryFieldAndKeepsValuesOnEnter) {
  EXPECT_EQ(answer("\n\n\n\n\n"), kDialogOk);
  EXPECT_EQ(transcript,
            "ZVK-CW-CONTEST\n"
            "Enter keeps the value in brackets; a single \".\" empties it.\n"
            "CONTEST [ZVK CW Contest]: "
            "CATEGORY-POWER:\n  1 HIGH\n  2 QRP\nCATEGORY-POWER [QRP]: "
            "SOAPBOX, lines ended by \".\" alone (Enter keeps):\n  | first\n  | second\n> "
            "CLUB [ZVK]: "
            "OK? [Y/n] ");
  EXPECT_EQ(contest, "ZVK CW Contest");
  EXPECT_EQ(power, "QRP");
  EXPECT_EQ(soapbox, "first\r\nsecond");
  EXPECT_EQ(club, "ZVK");
}

TEST_F(DialogTest, TerminalFormTakesTypedValues) {
  struct Case {
    const char* answers;
    const char* contest;
    const char* power;
    const char* soapbox;
    const char* club;
  };
  const Case cases[] = {
      {"Test\n1\none\n\ntwo\n.\n.\ny\n", "Test", "HIGH", "one\r\n\r\ntwo", ""},
      {"\r\nLOW\r\n.\r\n\r\nyes\r\n", "ZVK CW Contest", "LOW", "", "ZVK"},
      {"\n3\n\nNEW\nmaybe\nY\n", "ZVK CW Contest", "3", "first\r\nsecond", "NEW"},
  };
  for (const Case& c : cases) {
    contest = "ZVK CW Contest";
    power = "q";
    soapbox = "first\r\nsecond";
    club = "ZVK";
    ASSERT_EQ(answer(c.answers), kDialogOk) << c.answers;
    EXPECT_EQ(contest, c.contest);
    EXPECT_EQ(power, c.power);
    EXPECT_EQ(soapbox, c.soapbox);
    EXPECT_EQ(club, c.club);
  }
}

TEST_F(DialogTest, TerminalFormCancelsOnNoOrEndOfInput) {
  for (const char* answers : {"A\nLOW\n.\nB\nn\n", "A\nLOW\n", "A\n2\nx\ny\n", ""}) {
    EXPECT_EQ(answer(answers), kDialogCancel) << answers;
    expectUnchanged();
  }
}

}  // namespace
