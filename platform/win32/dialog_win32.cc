#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

#include "platform/win32/win32_env.h"

namespace platform {
namespace {

// The module holding this code (Stats.dll, or a test program linking it
// statically): its resources hold the dialog templates.
HINSTANCE ownModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&ownModule), &module);
  return module;
}

// Opening rule of a drop-down combo box: the first list entry that begins
// with the text, as the list's own search finds it; else the text as it is.
void showComboText(HWND combo, const FormField& field) {
  for (const CString& choice : field.choices) {
    SendMessageA(combo, CB_ADDSTRING, /*wParam=*/0, reinterpret_cast<LPARAM>(choice.GetString()));
  }
  const char* text = field.value->GetString();
  if (SendMessageA(combo, CB_SELECTSTRING, /*wParam=*/static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(text)) == CB_ERR) {
    SetWindowTextA(combo, text);
  }
}

void showFields(HWND dialog, const DialogForm& form) {
  for (const FormField& field : form.fields) {
    if (!field.value) continue;
    HWND control = GetDlgItem(dialog, field.controlId);
    if (field.kind == ControlKind::kComboBox) {
      showComboText(control, field);
    } else {
      SetWindowTextA(control, field.value->GetString());
    }
  }
}

CString controlText(HWND dialog, int controlId) {
  std::string buffer(
      static_cast<std::size_t>(GetWindowTextLengthA(GetDlgItem(dialog, controlId))) + 1, '\0');
  for (;;) {
    UINT length = GetDlgItemTextA(dialog, controlId, &buffer[0], static_cast<int>(buffer.size()));
    if (length + 1 < buffer.size()) return CString(buffer.data(), static_cast<int>(length));
    buffer.resize(buffer.size() * 2);  // the text grew since it was measured
  }
}

void readFields(HWND dialog, DialogForm& form) {
  for (FormField& field : form.fields) {
    if (field.value) *field.value = controlText(dialog, field.controlId);
  }
}

// The standard behaviour of a modal dialog: Enter arrives as IDOK, Escape and
// the close box as IDCANCEL; only OK reads the controls back.
INT_PTR CALLBACK formProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    showFields(dialog, *reinterpret_cast<DialogForm*>(lParam));
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  int command = LOWORD(wParam);
  if (command == IDOK) {
    readFields(dialog, *reinterpret_cast<DialogForm*>(GetWindowLongPtrA(dialog, DWLP_USER)));
  }
  if (command == IDOK || command == IDCANCEL) {
    EndDialog(dialog, command);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

DialogResult Win32Env::runDialog(DialogForm& form) {
  if (const DialogHandler& handler = installedDialogHandler()) return handler(form);
  INT_PTR result =
      DialogBoxParamA(ownModule(), MAKEINTRESOURCEA(form.templateId),
                      /*hWndParent=*/GetActiveWindow(), formProc, reinterpret_cast<LPARAM>(&form));
  if (result == IDOK) return kDialogOk;
  if (result == IDCANCEL) return kDialogCancel;
  return kDialogFailed;
}

}  // namespace platform
