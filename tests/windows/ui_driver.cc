#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include "tests/windows/ui_driver.h"

#include <windows.h>

#include <cstdlib>

namespace windows_ui {
namespace {

constexpr char kDialogClass[] = "#32770";
constexpr int kPollMs = 20;
// The icon of a message box: control 20 on Windows, 1088 on Wine.
constexpr int kMessageBoxIconIds[] = {20, 1088};

HWND hwnd(Window window) { return static_cast<HWND>(window.handle); }

bool isVisibleDialog(HWND window) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  return lstrcmpA(className, kDialogClass) == 0 && IsWindowVisible(window);
}

// A message box shows its text in control 0xFFFF; a dialog that is closing is not one.
BOOL CALLBACK collectMessageBox(HWND window, LPARAM found) {
  if (!isVisibleDialog(window) || !GetDlgItem(window, 0xFFFF)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

template <class Find>
Window poll(int timeoutMs, Find find) {
  for (int waited = 0; waited <= timeoutMs; waited += kPollMs) {
    if (HWND window = find()) return Window{window};
    Sleep(kPollMs);
  }
  return Window{};
}

}  // namespace

std::string missingDisplayReason() {
  const char* display = std::getenv("DISPLAY");
  if (display && *display) return "";
  return "no X display: run the Windows suite under Xvfb (scripts/test-windows.sh)";
}

unsigned long currentThreadId() { return GetCurrentThreadId(); }

Window waitForDialog(const char* caption, int timeoutMs) {
  // Found while still hidden in WM_INITDIALOG, it is not filled yet: wait until shown.
  return poll(timeoutMs, [caption]() -> HWND {
    HWND window = FindWindowA(kDialogClass, caption);
    return window && IsWindowVisible(window) ? window : nullptr;
  });
}

Window waitForMessageBox(unsigned long threadId, int timeoutMs) {
  return poll(timeoutMs, [threadId]() -> HWND {
    HWND found = nullptr;
    EnumThreadWindows(threadId, collectMessageBox, reinterpret_cast<LPARAM>(&found));
    return found;
  });
}

std::string windowText(Window window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd(window))) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextA(hwnd(window), &text[0], static_cast<int>(text.size()))));
  return text;
}

std::string itemText(Window dialog, int controlId) {
  return windowText(Window{GetDlgItem(hwnd(dialog), controlId)});
}

std::vector<std::string> comboItems(Window dialog, int controlId) {
  std::vector<std::string> items;
  HWND combo = GetDlgItem(hwnd(dialog), controlId);
  LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::string item(static_cast<std::size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0)) + 1,
                     '\0');
    item.resize(static_cast<std::size_t>(
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&item[0]))));
    items.push_back(item);
  }
  return items;
}

Window owner(Window window) { return Window{GetWindow(hwnd(window), GW_OWNER)}; }

bool showsIcon(Window messageBox) {
  for (int id : kMessageBoxIconIds) {
    HWND icon = GetDlgItem(hwnd(messageBox), id);
    if (icon && SendMessageA(icon, STM_GETICON, 0, 0) != 0) return true;
  }
  return false;
}

void typeText(Window dialog, int controlId, const char* text) {
  SetDlgItemTextA(hwnd(dialog), controlId, text);
}

bool waitUntilClosed(Window window, int timeoutMs) {
  return poll(timeoutMs, [window]() -> HWND {
           return IsWindow(hwnd(window)) ? nullptr : GetDesktopWindow();
         }).handle != nullptr;
}

void pressOk(Window dialog) {
  PostMessageA(hwnd(dialog), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

void pressCancel(Window dialog) {
  PostMessageA(GetDlgItem(hwnd(dialog), IDCANCEL), BM_CLICK, 0, 0);
}

HostWindow::HostWindow()
    : window_{CreateWindowExA(0, "STATIC", "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                              /*hWndParent=*/nullptr, /*hMenu=*/nullptr, GetModuleHandleA(nullptr),
                              /*lpParam=*/nullptr)} {
  SetActiveWindow(hwnd(window_));
}

HostWindow::~HostWindow() { DestroyWindow(hwnd(window_)); }

}  // namespace windows_ui
