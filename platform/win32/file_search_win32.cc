#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <winver.h>

#include <cctype>

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

}  // namespace

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

bool Win32Env::readFileVersion(const char* path, std::uint32_t* versionMs,
                               std::uint32_t* versionLs) {
  if (!path) return false;
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  if (size == 0) return false;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path, /*dwHandle=*/0, size, block.data())) return false;
  void* root = nullptr;
  UINT rootSize = 0;
  if (!VerQueryValueA(block.data(), "\\", &root, &rootSize) ||
      rootSize < sizeof(VS_FIXEDFILEINFO)) {
    return false;
  }
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(root);
  if (fixed->dwSignature != VS_FFI_SIGNATURE) return false;
  *versionMs = fixed->dwFileVersionMS;
  *versionLs = fixed->dwFileVersionLS;
  return true;
}

}  // namespace platform
