#include "cabrillo/header_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/fake_env.h"

namespace {

using platform::ControlKind;
using platform::DialogForm;
using platform::FormField;
using testing_support::FakeEnv;

FormField* fieldWithId(DialogForm& form, int controlId) {
  for (FormField& field : form.fields) {
    if (field.controlId == controlId) return &field;
  }
  ADD_FAILURE() << "no control " << controlId;
  static FormField missing;
  return &missing;
}

// The operator presses OK without touching anything: every control hands
// back what it showed on opening.
platform::DialogResult pressOkUnchanged(DialogForm& form) {
  for (FormField& field : form.fields) {
    if (field.kind == ControlKind::kComboBox) *field.value = platform::comboOpeningText(field);
  }
  return platform::kDialogOk;
}

Cabrillo filledDialog() {
  Cabrillo dialog;
  dialog.callsign = "Q1QQQ";
  dialog.claimed = "120";
  dialog.club = "Club";
  dialog.categoryOperator = "SINGLE-OP";
  dialog.contest = "ZVK CW Contest";
  dialog.email = "q1@example.org";
  dialog.name = "Name";
  dialog.operators = "Q1QQQ";
  dialog.soapbox = "first\r\nsecond";
  dialog.address = "Street 1";
  dialog.categoryBand = "ALL";
  dialog.addressCity = "City";
  dialog.addressPostalCode = "12345";
  dialog.addressCountry = "Country";
  dialog.categoryPower = "HIGH";
  return dialog;
}

std::vector<std::string> members(const Cabrillo& d) {
  return {d.callsign.str(),
          d.claimed.str(),
          d.club.str(),
          d.categoryOperator.str(),
          d.contest.str(),
          d.email.str(),
          d.name.str(),
          d.operators.str(),
          d.soapbox.str(),
          d.address.str(),
          d.categoryBand.str(),
          d.addressCity.str(),
          d.addressPostalCode.str(),
          d.addressCountry.str(),
          d.categoryPower.str()};
}

TEST(HeaderDialogTest, FormBindsEveryMemberToItsControlInExchangeOrder) {
  struct Expected {
    int id;
    const char* label;
    ControlKind kind;
    std::vector<std::string> choices;
  };
  const std::vector<Expected> expected = {
      {1010, "CALLSIGN", ControlKind::kEdit, {}},
      {1008, "CLAIMED", ControlKind::kEdit, {}},
      {1005, "CLUB", ControlKind::kEdit, {}},
      {1013, "CATEGORY-OPERATOR", ControlKind::kComboBox, {"SINGLE-OP", "MULTI-ONE", "CHECKLOG"}},
      {1009, "CONTEST", ControlKind::kEdit, {}},
      {1004, "E-MAIL", ControlKind::kEdit, {}},
      {1007, "NAME", ControlKind::kEdit, {}},
      {1006, "OPERATORS", ControlKind::kEdit, {}},
      {1001, "SOAPBOX", ControlKind::kMultiLineEdit, {}},
      {1002, "ADDRESS", ControlKind::kEdit, {}},
      {1014, "CATEGORY-BAND", ControlKind::kComboBox, {"ALL"}},
      {1003, "ADDRESS-CITY", ControlKind::kEdit, {}},
      {1011, "ADDRESS-POSTALCODE", ControlKind::kEdit, {}},
      {1012, "ADDRESS-COUNTRY", ControlKind::kEdit, {}},
      {1015, "CATEGORY-POWER", ControlKind::kComboBox, {"HIGH", "QRP"}},
  };
  Cabrillo dialog = filledDialog();
  const std::vector<std::string> values = members(dialog);
  FakeEnv env;
  env.dialog = [&](DialogForm& form) {
    EXPECT_EQ(form.templateId, 101);
    EXPECT_STREQ(form.caption, "ZVK-CW-CONTEST");
    EXPECT_EQ(form.fields.size(), expected.size());
    for (std::size_t i = 0; i < form.fields.size() && i < expected.size(); ++i) {
      const FormField& field = form.fields[i];
      EXPECT_EQ(field.controlId, expected[i].id) << "field " << i;
      EXPECT_STREQ(field.label, expected[i].label) << "field " << i;
      EXPECT_EQ(field.kind, expected[i].kind) << "field " << i;
      EXPECT_EQ(std::vector<std::string>(field.choices.begin(), field.choices.end()),
                expected[i].choices)
          << "field " << i;
      EXPECT_EQ(field.value->str(), values[i]) << "field " << i;
    }
    return platform::kDialogCancel;
  };
  EXPECT_EQ(dialog.DoModal(env), 2);
  EXPECT_EQ(env.dialogRuns, 1);
}

TEST(HeaderDialogTest, OkTakesEveryEditedText) {
  Cabrillo dialog = filledDialog();
  FakeEnv env;
  env.dialog = [](DialogForm& form) {
    for (FormField& field : form.fields) *field.value = CString("new ") + field.label;
    return platform::kDialogOk;
  };
  EXPECT_EQ(dialog.DoModal(env), 1);
  EXPECT_EQ(members(dialog),
            (std::vector<std::string>{
                "new CALLSIGN", "new CLAIMED", "new CLUB", "new CATEGORY-OPERATOR", "new CONTEST",
                "new E-MAIL", "new NAME", "new OPERATORS", "new SOAPBOX", "new ADDRESS",
                "new CATEGORY-BAND", "new ADDRESS-CITY", "new ADDRESS-POSTALCODE",
                "new ADDRESS-COUNTRY", "new CATEGORY-POWER"}));
}

TEST(HeaderDialogTest, CancelAndFailureKeepTheMembersWhateverTheControlsHeld) {
  for (platform::DialogResult result : {platform::kDialogCancel, platform::kDialogFailed}) {
    Cabrillo dialog = filledDialog();
    FakeEnv env;
    env.dialog = [result](DialogForm& form) {
      for (FormField& field : form.fields) *field.value = "typed";
      return result;
    };
    EXPECT_EQ(dialog.DoModal(env), result);
    EXPECT_EQ(members(dialog), members(filledDialog()));
  }
}

TEST(HeaderDialogTest, DialogThatCannotBeShownIsNotOk) {
  Cabrillo dialog = filledDialog();
  FakeEnv env;
  EXPECT_EQ(dialog.DoModal(env), -1);
  EXPECT_EQ(members(dialog), members(filledDialog()));
}

TEST(HeaderDialogTest, CombosOpenOnTheFirstEntryBeginningWithTheText) {
  struct Case {
    const char* power;
    const char* operatorCategory;
    const char* shownPower;
    const char* shownOperator;
  };
  const Case cases[] = {
      {"HIGH", "SINGLE-OP", "HIGH", "SINGLE-OP"},
      {"Q", "m", "QRP", "MULTI-ONE"},
      {"qrp", "checklog", "QRP", "CHECKLOG"},
      {"LOW", "SINGLE-OP-ASSISTED", "LOW", "SINGLE-OP-ASSISTED"},
  };
  for (const Case& c : cases) {
    Cabrillo dialog = filledDialog();
    dialog.categoryPower = c.power;
    dialog.categoryOperator = c.operatorCategory;
    FakeEnv env;
    env.dialog = pressOkUnchanged;
    ASSERT_EQ(dialog.DoModal(env), 1);
    EXPECT_EQ(dialog.categoryPower.str(), c.shownPower);
    EXPECT_EQ(dialog.categoryOperator.str(), c.shownOperator);
    EXPECT_EQ(dialog.categoryBand.str(), "ALL");
  }
}

TEST(HeaderDialogTest, TextTypedIntoAComboComesBackAsTyped) {
  Cabrillo dialog = filledDialog();
  FakeEnv env;
  env.dialog = [](DialogForm& form) {
    *fieldWithId(form, 1015)->value = "LOW";
    *fieldWithId(form, 1001)->value = "first line\r\nsecond line";
    return platform::kDialogOk;
  };
  ASSERT_EQ(dialog.DoModal(env), 1);
  EXPECT_EQ(dialog.categoryPower.str(), "LOW");
  EXPECT_EQ(dialog.soapbox.str(), "first line\r\nsecond line");
}

}  // namespace
