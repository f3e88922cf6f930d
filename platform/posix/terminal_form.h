#ifndef ZVK_PLATFORM_POSIX_TERMINAL_FORM_H_
#define ZVK_PLATFORM_POSIX_TERMINAL_FORM_H_

#include <cstdio>

#include "platform/dialog_form.h"

namespace platform {

// Asks for every field of `form` in order, reading answers from `in` and
// writing prompts to `out`, then asks for confirmation. Enter keeps the value
// shown and a single "." empties it; a combo box also takes the number of a
// list entry; the multi-line field reads lines until a line holding only ".".
// Values are written back only on kDialogOk; the end of the input cancels.
DialogResult runTerminalForm(DialogForm& form, std::FILE* in, std::FILE* out);

}  // namespace platform

#endif  // ZVK_PLATFORM_POSIX_TERMINAL_FORM_H_
