#include "cabrillo/header_dialog.h"

#include <vector>

#include "cabrillo/resource.h"

namespace {

using platform::ControlKind;

constexpr char kCaption[] = "ZVK-CW-CONTEST";

struct Binding {
  CString Cabrillo::*member;
  int controlId;
  const char* label;
  ControlKind kind;
  std::vector<const char*> choices;
};

// In data-exchange order, which is also the members' declaration order. A
// plain static: unloading the library frees it.
const std::vector<Binding>& bindings() {
  static const std::vector<Binding> table{
      {&Cabrillo::callsign, IDC_CALLSIGN, "CALLSIGN", ControlKind::kEdit, {}},
      {&Cabrillo::claimed, IDC_CLAIMED, "CLAIMED", ControlKind::kEdit, {}},
      {&Cabrillo::club, IDC_CLUB, "CLUB", ControlKind::kEdit, {}},
      {&Cabrillo::categoryOperator,
       IDC_CATEGORY_OPERATOR,
       "CATEGORY-OPERATOR",
       ControlKind::kComboBox,
       {"SINGLE-OP", "MULTI-ONE", "CHECKLOG"}},
      {&Cabrillo::contest, IDC_CONTEST, "CONTEST", ControlKind::kEdit, {}},
      {&Cabrillo::email, IDC_EMAIL, "E-MAIL", ControlKind::kEdit, {}},
      {&Cabrillo::name, IDC_NAME, "NAME", ControlKind::kEdit, {}},
      {&Cabrillo::operators, IDC_OPERATORS, "OPERATORS", ControlKind::kEdit, {}},
      {&Cabrillo::soapbox, IDC_SOAPBOX, "SOAPBOX", ControlKind::kMultiLineEdit, {}},
      {&Cabrillo::address, IDC_ADDRESS, "ADDRESS", ControlKind::kEdit, {}},
      {&Cabrillo::categoryBand,
       IDC_CATEGORY_BAND,
       "CATEGORY-BAND",
       ControlKind::kComboBox,
       {"ALL"}},
      {&Cabrillo::addressCity, IDC_ADDRESS_CITY, "ADDRESS-CITY", ControlKind::kEdit, {}},
      {&Cabrillo::addressPostalCode,
       IDC_ADDRESS_POSTALCODE,
       "ADDRESS-POSTALCODE",
       ControlKind::kEdit,
       {}},
      {&Cabrillo::addressCountry, IDC_ADDRESS_COUNTRY, "ADDRESS-COUNTRY", ControlKind::kEdit, {}},
      {&Cabrillo::categoryPower,
       IDC_CATEGORY_POWER,
       "CATEGORY-POWER",
       ControlKind::kComboBox,
       {"HIGH", "QRP"}},
  };
  return table;
}

// The form edits a copy, so the members change only when the dialog ends
// with OK, whatever the backend does with the values otherwise.
platform::DialogForm buildForm(Cabrillo& edited) {
  platform::DialogForm form;
  form.templateId = IDD_CABRILLO;
  form.caption = kCaption;
  for (const Binding& binding : bindings()) {
    platform::FormField field;
    field.controlId = binding.controlId;
    field.label = binding.label;
    field.kind = binding.kind;
    field.choices.assign(binding.choices.begin(), binding.choices.end());
    field.value = &(edited.*binding.member);
    form.fields.push_back(std::move(field));
  }
  return form;
}

}  // namespace

int Cabrillo::DoModal(platform::Env& env) {
  Cabrillo edited = *this;
  platform::DialogForm form = buildForm(edited);
  const platform::DialogResult result = env.runDialog(form);
  if (result == platform::kDialogOk) *this = edited;
  return result;
}
