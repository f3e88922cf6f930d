#ifndef ZVK_PLATFORM_DIALOG_FORM_H_
#define ZVK_PLATFORM_DIALOG_FORM_H_

#include <functional>
#include <vector>

#include "platform/cstring.h"

namespace platform {

enum class ControlKind { kEdit, kMultiLineEdit, kComboBox };

// One control of a modal form, bound to the caller's text.
struct FormField {
  int controlId = 0;
  const char* label = "";
  ControlKind kind = ControlKind::kEdit;
  std::vector<CString> choices;  // list entries of a combo box, in order
  CString* value = nullptr;      // shown on opening; written back only on OK
};

// A modal form built from a dialog template: its fields in data-exchange order.
struct DialogForm {
  int templateId = 0;
  const char* caption = "";
  std::vector<FormField> fields;
};

enum DialogResult { kDialogFailed = -1, kDialogOk = 1, kDialogCancel = 2 };

// Answers a form instead of showing it (tests, embedding programs). It edits
// the field values and returns the result the operator would have given.
using DialogHandler = std::function<DialogResult(DialogForm& form)>;

// Opening rule of a combo box: the first list entry that begins with `text`
// (ASCII letters folded), else `text` as it is.
CString comboOpeningText(const FormField& field);

}  // namespace platform

#endif  // ZVK_PLATFORM_DIALOG_FORM_H_
