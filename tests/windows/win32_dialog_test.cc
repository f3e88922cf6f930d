// The Win32 dialog and message box, driven by a second thread as an operator would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cabrillo/resource.h"
#include "platform/env.h"
#include "tests/windows/ui_driver.h"

namespace {

using platform::ControlKind;
using platform::DialogForm;
using platform::Env;
using platform::MessageOwner;
using windows_ui::Window;

constexpr char kCaption[] = "ZVK-CW-CONTEST";

class Win32DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string reason = windows_ui::missingDisplayReason();
    if (!reason.empty()) FAIL() << reason;
    form.templateId = IDD_CABRILLO;
    form.caption = kCaption;
    form.fields = {
        {IDC_CALLSIGN, "CALLSIGN", ControlKind::kEdit, {}, &callsign},
        {IDC_CATEGORY_OPERATOR,
         "CATEGORY-OPERATOR",
         ControlKind::kComboBox,
         {"SINGLE-OP", "MULTI-ONE", "CHECKLOG"},
         &categoryOperator},
        {IDC_SOAPBOX, "SOAPBOX", ControlKind::kMultiLineEdit, {}, &soapbox},
        {IDC_CATEGORY_POWER, "CATEGORY-POWER", ControlKind::kComboBox, {"HIGH", "QRP"}, &power},
    };
  }

  CString callsign = "Q1/QQ1QQ/P";
  CString categoryOperator = "SINGLE-OP";
  CString soapbox = "first\r\nsecond";
  CString power = "HIGH";
  DialogForm form;
};

TEST_F(Win32DialogTest, OpeningShowsValuesAndListsAndCancelKeepsThem) {
  std::vector<std::string> shown;
  std::vector<std::string> operatorList;
  bool ownedByHost = false;
  windows_ui::HostWindow host;
  {
    windows_ui::Operator op([&] {
      Window dialog = windows_ui::waitForDialog(kCaption);
      if (!dialog) return;
      for (int id : {IDC_CALLSIGN, IDC_CATEGORY_OPERATOR, IDC_SOAPBOX, IDC_CATEGORY_POWER}) {
        shown.push_back(windows_ui::itemText(dialog, id));
      }
      operatorList = windows_ui::comboItems(dialog, IDC_CATEGORY_OPERATOR);
      ownedByHost = windows_ui::owner(dialog).handle == host.window().handle;
      windows_ui::typeText(dialog, IDC_CALLSIGN, "Q9ZZZ");
      windows_ui::pressCancel(dialog);
    });
    EXPECT_EQ(Env::current().runDialog(form), platform::kDialogCancel);
  }
  EXPECT_EQ(shown,
            (std::vector<std::string>{"Q1/QQ1QQ/P", "SINGLE-OP", "first\r\nsecond", "HIGH"}));
  EXPECT_EQ(operatorList, (std::vector<std::string>{"SINGLE-OP", "MULTI-ONE", "CHECKLOG"}));
  EXPECT_TRUE(ownedByHost);
  EXPECT_EQ(callsign.str(), "Q1/QQ1QQ/P");
}

TEST_F(Win32DialogTest, ComboOpensOnTheFirstEntryBeginningWithItsText) {
  struct Case {
    const char* value;
    const char* shown;
  };
  for (const Case& c : {Case{"q", "QRP"}, Case{"qrp", "QRP"}, Case{"hi", "HIGH"},
                        Case{"LOW", "LOW"}, Case{"RP", "RP"}}) {
    power = c.value;
    std::string shown;
    {
      windows_ui::Operator op([&] {
        Window dialog = windows_ui::waitForDialog(kCaption);
        if (!dialog) return;
        shown = windows_ui::itemText(dialog, IDC_CATEGORY_POWER);
        windows_ui::pressOk(dialog);
      });
      EXPECT_EQ(Env::current().runDialog(form), platform::kDialogOk);
    }
    EXPECT_EQ(shown, c.shown) << c.value;
    EXPECT_EQ(power.str(), c.shown) << c.value;
  }
}

TEST_F(Win32DialogTest, OkReadsEveryControlBackAsTyped) {
  {
    windows_ui::Operator op([&] {
      Window dialog = windows_ui::waitForDialog(kCaption);
      if (!dialog) return;
      windows_ui::typeText(dialog, IDC_CALLSIGN, "Q9ZZZ");
      windows_ui::typeText(dialog, IDC_CATEGORY_OPERATOR, "CHECKLOG");
      windows_ui::typeText(dialog, IDC_SOAPBOX, "one\r\ntwo\r\nthree");
      windows_ui::typeText(dialog, IDC_CATEGORY_POWER, "LOW");
      windows_ui::pressOk(dialog);
    });
    EXPECT_EQ(Env::current().runDialog(form), platform::kDialogOk);
  }
  EXPECT_EQ(callsign.str(), "Q9ZZZ");
  EXPECT_EQ(categoryOperator.str(), "CHECKLOG");
  EXPECT_EQ(soapbox.str(), "one\r\ntwo\r\nthree");
  EXPECT_EQ(power.str(), "LOW");
}

TEST_F(Win32DialogTest, LongTextsComeBackWhole) {
  std::string longText(3000, 'x');
  {
    windows_ui::Operator op([&] {
      Window dialog = windows_ui::waitForDialog(kCaption);
      if (!dialog) return;
      windows_ui::typeText(dialog, IDC_SOAPBOX, longText.c_str());
      windows_ui::pressOk(dialog);
    });
    EXPECT_EQ(Env::current().runDialog(form), platform::kDialogOk);
  }
  EXPECT_EQ(soapbox.str(), longText);
}

TEST_F(Win32DialogTest, MissingTemplateFailsAtOnce) {
  form.templateId = 999;
  EXPECT_EQ(Env::current().runDialog(form), platform::kDialogFailed);
  EXPECT_EQ(callsign.str(), "Q1/QQ1QQ/P");
}

TEST_F(Win32DialogTest, InstalledHandlerAnswersInsteadOfTheWindow) {
  platform::installDialogHandler([](DialogForm& shown) {
    *shown.fields[0].value = "Q7AAA";
    return platform::kDialogOk;
  });
  platform::DialogResult result = Env::current().runDialog(form);
  platform::installDialogHandler(nullptr);
  EXPECT_EQ(result, platform::kDialogOk);
  EXPECT_EQ(callsign.str(), "Q7AAA");
}

struct ShownBox {
  std::string text, caption;
  void* owner = nullptr;
  bool icon = false;
};

// Shows a message box on this thread and has the operator read it and press OK.
ShownBox showAndDismiss(const char* text, const char* caption, unsigned style, MessageOwner owner,
                        int* pressed) {
  ShownBox box;
  unsigned long threadId = windows_ui::currentThreadId();
  windows_ui::Operator op([&] {
    Window window = windows_ui::waitForMessageBox(threadId);
    if (!window) return;
    box = {windows_ui::itemText(window, 0xFFFF), windows_ui::windowText(window),
           windows_ui::owner(window).handle, windows_ui::showsIcon(window)};
    windows_ui::pressOk(window);
  });
  *pressed = Env::current().showMessageBox(text, caption, style, owner);
  return box;
}

TEST_F(Win32DialogTest, MessageBoxWithoutOwnerOrCaption) {
  windows_ui::HostWindow host;
  int pressed = 0;
  ShownBox box = showAndDismiss("No setup", nullptr, 0, MessageOwner::kNone, &pressed);
  EXPECT_EQ(pressed, 1);
  EXPECT_EQ(box.text, "No setup");
  EXPECT_EQ(box.caption, "Error");  // the system's default caption
  EXPECT_EQ(box.owner, nullptr);
  EXPECT_FALSE(box.icon);
}

TEST_F(Win32DialogTest, InformationBoxOwnedByTheActiveWindow) {
  windows_ui::HostWindow host;
  int pressed = 0;
  ShownBox box =
      showAndDismiss("File produced: X.cbr", "Output", 0x40, MessageOwner::kActiveWindow, &pressed);
  EXPECT_EQ(pressed, 1);
  EXPECT_EQ(box.text, "File produced: X.cbr");
  EXPECT_EQ(box.caption, "Output");
  EXPECT_EQ(box.owner, host.window().handle);
  EXPECT_TRUE(box.icon);
}

}  // namespace
