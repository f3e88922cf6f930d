#include "cabrillo/header_dialog.h"

#include "cabrillo/resource.h"

namespace {

constexpr char kCaption[] = "ZVK-CW-CONTEST";

// The form edits a copy, so the members change only when the dialog ends
// with OK, whatever the backend does with the values otherwise.
platform::DialogForm buildForm(Cabrillo& edited) {
  platform::DialogForm form;
  form.templateId = IDD_CABRILLO;
  form.caption = kCaption;
  for (const cabrillo::HeaderField& header : cabrillo::headerFields()) {
    if (header.controlId == 0) continue;
    platform::FormField field;
    field.controlId = header.controlId;
    field.label = header.label;
    field.kind = header.kind;
    field.choices.assign(header.choices.begin(), header.choices.end());
    field.value = &(edited.*header.value);
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
