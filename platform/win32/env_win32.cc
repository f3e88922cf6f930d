#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <share.h>
#include <windows.h>

#include <cctype>
#include <cstdio>

#include "platform/no_destructor.h"
#include "platform/stdio_file.h"
#include "platform/win32/win32_env.h"

namespace platform {
namespace {

class ScopedFindHandle {
 public:
  explicit ScopedFindHandle(HANDLE handle) : handle_(handle) {}
  ~ScopedFindHandle() {
    if (isValid()) FindClose(handle_);
  }
  ScopedFindHandle(const ScopedFindHandle&) = delete;
  ScopedFindHandle& operator=(const ScopedFindHandle&) = delete;

  bool isValid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

bool sameLetter(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

// '*' and '?' wildcards, letters folded. The directory search also matches
// short 8.3 names ("*.exe" finds "notes.exec"), so the long name is checked again.
bool matchesPattern(const char* name, const char* pattern) {
  if (*pattern == '\0') return *name == '\0';
  if (*pattern == '*') {
    for (const char* rest = name;; ++rest) {
      if (matchesPattern(rest, pattern + 1)) return true;
      if (*rest == '\0') return false;
    }
  }
  if (*name == '\0') return false;
  return (*pattern == '?' || sameLetter(*name, *pattern)) && matchesPattern(name + 1, pattern + 1);
}

constexpr std::int64_t kFileTimeUnitsPerSecond = 10000000;       // 100 ns units
constexpr std::int64_t kUnixEpochFileTime = 116444736000000000;  // 1970-01-01 since 1601-01-01

}  // namespace

Env& Env::current() {
  static NoDestructor<Win32Env> env;
  return env.get();
}

int Win32Env::showMessageBox(const char* text, const char* caption, unsigned style,
                             MessageOwner owner) {
  HWND ownerWindow = owner == MessageOwner::kActiveWindow ? GetActiveWindow() : nullptr;
  return MessageBoxA(ownerWindow, text ? text : "", caption, style);
}

std::vector<CString> Win32Env::findFiles(const char* pattern) {
  std::vector<CString> names;
  if (!pattern) return names;
  WIN32_FIND_DATAA entry;
  ScopedFindHandle search(FindFirstFileA(pattern, &entry));
  if (!search.isValid()) return names;
  do {
    bool isFile = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (isFile && matchesPattern(entry.cFileName, pattern)) names.emplace_back(entry.cFileName);
  } while (FindNextFileA(search.get(), &entry));
  return names;
}

std::int64_t Win32Env::nowUtcSeconds() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  std::int64_t units = (static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return (units - kUnixEpochFileTime) / kFileTimeUnitsPerSecond;
}

std::unique_ptr<WritableFile> Win32Env::openForWriting(const char* path, WriteMode mode) {
  if (!path || !*path) return nullptr;
  std::FILE* file = _fsopen(path, mode == WriteMode::kAppend ? "ab" : "wb", _SH_DENYNO);
  if (!file) return nullptr;
  return std::make_unique<StdioFile>(file);
}

}  // namespace platform
