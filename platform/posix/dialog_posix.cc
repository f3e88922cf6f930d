#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/posix/posix_env.h"
#include "platform/posix/terminal_form.h"

namespace platform {
namespace {

constexpr char kModeVariable[] = "STATS_DIALOG";
constexpr char kTerminal[] = "/dev/tty";

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using ScopedFile = std::unique_ptr<std::FILE, FileCloser>;

// What an operator gets by pressing OK at once: combo boxes take their opening text.
DialogResult acceptAsShown(DialogForm& form) {
  for (FormField& field : form.fields) {
    if (field.kind == ControlKind::kComboBox && field.value) *field.value = comboOpeningText(field);
  }
  return kDialogOk;
}

DialogResult runOnTerminal(DialogForm& form) {
  ScopedFile in(std::fopen(kTerminal, "r"));
  ScopedFile out(std::fopen(kTerminal, "w"));
  if (!in || !out) return kDialogFailed;
  return runTerminalForm(form, in.get(), out.get());
}

}  // namespace

// STATS_DIALOG chooses: "ok" accepts, "cancel" cancels, "tty" asks on the
// terminal; unset means "tty" for an interactive session and "ok" otherwise.
DialogResult PosixEnv::runDialog(DialogForm& form) {
  if (const DialogHandler& handler = installedDialogHandler()) return handler(form);
  const char* mode = std::getenv(kModeVariable);
  if (!mode) mode = ::isatty(STDIN_FILENO) ? "tty" : "ok";
  if (std::strcmp(mode, "ok") == 0) return acceptAsShown(form);
  if (std::strcmp(mode, "cancel") == 0) return kDialogCancel;
  if (std::strcmp(mode, "tty") == 0) return runOnTerminal(form);
  return kDialogFailed;
}

}  // namespace platform
