// Opens the header dialog of Stats.dll as a host does, filled from a settings
// file, and holds it open until dialog_screenshot.sh has taken its picture.
// Usage: dialog_shot FOLDER (the working folder, where the flag files go).
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/host_evaluation.h"
#include "tests/support/stats_library.h"
#include "tests/support/temp_dir.h"
#include "tests/windows/ui_driver.h"

namespace {

constexpr char kReadyFlag[] = "ready.flag";  // holds the dialog's screen rectangle
constexpr char kDoneFlag[] = "shot.done";
constexpr int kShotTimeoutMs = 30000;

constexpr int kSettleMs = 500;  // for the X server to show what Wine drew

void waitForShot(windows_ui::Window dialog) {
  HWND window = static_cast<HWND>(dialog.handle);
  // Shown is not yet painted: paint every control now, on the dialog's own thread.
  RedrawWindow(window, /*lprcUpdate=*/nullptr, /*hrgnUpdate=*/nullptr,
               RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  SendMessageA(window, WM_NULL, 0, 0);
  Sleep(kSettleMs);
  RECT rect;
  GetWindowRect(window, &rect);
  std::ofstream(kReadyFlag) << rect.right - rect.left << "x" << rect.bottom - rect.top << "+"
                            << rect.left << "+" << rect.top << "\n";
  for (int waited = 0; waited < kShotTimeoutMs && !std::filesystem::exists(kDoneFlag);
       waited += 50) {
    Sleep(50);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  std::string reason = windows_ui::missingDisplayReason();
  if (!reason.empty()) {
    std::fprintf(stderr, "%s\n", reason.c_str());
    return 1;
  }
  std::filesystem::current_path(argv[1]);
  std::filesystem::create_directory("Plugins");
  testing_support::writeFile(
      "Plugins/ZVK-CW.ini",
      testing_support::readFile(std::string(ZVK_HOST_DATA) + "ZVK-CW.ini.before"));
  HMODULE library = LoadLibraryA(ZVK_STATS_DLL);
  testing_support::Exports x{};
  std::string missing;
  if (!library || !testing_support::resolveExports(
                      [library](const char* name) {
                        return reinterpret_cast<void*>(GetProcAddress(library, name));
                      },
                      testing_support::kPlainNames, &x, &missing)) {
    std::fprintf(stderr, "cannot load Stats.dll %s\n", missing.c_str());
    return 1;
  }
  bool shown = false;
  {
    windows_ui::Operator op([&] {
      windows_ui::Window dialog = windows_ui::waitForDialog("ZVK-CW-CONTEST");
      if (!dialog) return;
      shown = true;
      waitForShot(dialog);
      windows_ui::pressOk(dialog);
    });
    testing_support::HostSession(x).reset("Q1/QQ1QQ/P", 1);
  }
  FreeLibrary(library);
  return shown ? 0 : 1;
}
