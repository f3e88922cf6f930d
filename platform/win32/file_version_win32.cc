#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <winver.h>

#include <vector>

#include "platform/win32/win32_env.h"

namespace platform {

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
