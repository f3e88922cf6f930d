#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <share.h>
#include <windows.h>

#include <cstdio>

#include "platform/win32/win32_env.h"

namespace platform {
namespace {

class StdioFile : public WritableFile {
 public:
  explicit StdioFile(std::FILE* file) : file_(file) {}
  ~StdioFile() override { close(); }

  bool write(const char* data, std::size_t size) override {
    if (!file_) return false;
    bool written = std::fwrite(data, 1, size, file_) == size && std::fflush(file_) == 0;
    failed_ = failed_ || !written;
    return written;
  }

  bool close() override {
    if (!file_) return !failed_;
    failed_ = (std::fclose(file_) != 0) || failed_;
    file_ = nullptr;
    return !failed_;
  }

 private:
  std::FILE* file_;
  bool failed_ = false;
};

constexpr std::int64_t kFileTimeUnitsPerSecond = 10000000;       // 100 ns units
constexpr std::int64_t kUnixEpochFileTime = 116444736000000000;  // 1970-01-01 since 1601-01-01

}  // namespace

Env& Env::current() {
  static Win32Env* env = new Win32Env();  // never destroyed: outlives the global objects
  return *env;
}

int Win32Env::showMessageBox(const char* text, const char* caption, unsigned style,
                             MessageOwner owner) {
  HWND ownerWindow = owner == MessageOwner::kActiveWindow ? GetActiveWindow() : nullptr;
  return MessageBoxA(ownerWindow, text ? text : "", caption, style);
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
