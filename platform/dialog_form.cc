#include "platform/dialog_form.h"

#include <cstring>

#include "platform/text.h"

namespace platform {

CString comboOpeningText(const FormField& field) {
  const std::size_t length = std::strlen(field.value ? field.value->GetString() : "");
  if (field.value && length > 0) {
    for (const CString& choice : field.choices) {
      if (choice.GetLength() >= static_cast<int>(length) &&
          equalNoCase(choice.Left(static_cast<int>(length)), *field.value)) {
        return choice;
      }
    }
  }
  return field.value ? *field.value : CString();
}

}  // namespace platform
