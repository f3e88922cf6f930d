#ifndef ZVK_TESTS_WINDOWS_UI_DRIVER_H_
#define ZVK_TESTS_WINDOWS_UI_DRIVER_H_

#include <functional>
#include <string>
#include <thread>
#include <vector>

// An operator for the plug-in's dialogs and message boxes: a second thread
// finds the window the plug-in's modal loop shows, reads it and answers it.
namespace windows_ui {

struct Window {
  void* handle = nullptr;
  explicit operator bool() const { return handle != nullptr; }
};

// Empty when a display is there; otherwise why the UI tests cannot run.
std::string missingDisplayReason();

// The id of the calling thread, whose message boxes `waitForMessageBox` finds.
unsigned long currentThreadId();

// The visible dialog with this caption, or none after `timeoutMs`.
Window waitForDialog(const char* caption, int timeoutMs = 10000);
// The visible message box of thread `threadId`, or none after `timeoutMs`.
Window waitForMessageBox(unsigned long threadId, int timeoutMs = 10000);

std::string windowText(Window window);
std::string itemText(Window dialog, int controlId);
std::vector<std::string> comboItems(Window dialog, int controlId);
// The owner window (none for an unowned one).
Window owner(Window window);
// True when the message box shows an icon.
bool showsIcon(Window messageBox);

// Replaces a control's text, as typing into it would.
void typeText(Window dialog, int controlId, const char* text);
// True once the window is gone, false after `timeoutMs`.
bool waitUntilClosed(Window window, int timeoutMs = 10000);
void pressOk(Window dialog);
void pressCancel(Window dialog);

// A visible top-level window made active on the calling thread, the host's
// main window; closed when destroyed.
class HostWindow {
 public:
  HostWindow();
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  Window window() const { return window_; }

 private:
  Window window_;
};

// Runs `act` on a second thread, joined when destroyed.
class Operator {
 public:
  explicit Operator(std::function<void()> act) : thread_(std::move(act)) {}
  ~Operator() { thread_.join(); }
  Operator(const Operator&) = delete;
  Operator& operator=(const Operator&) = delete;

 private:
  std::thread thread_;
};

}  // namespace windows_ui

#endif  // ZVK_TESTS_WINDOWS_UI_DRIVER_H_
