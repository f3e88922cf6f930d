#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <vector>

#include "platform/win32/win32_env.h"

namespace platform {
namespace {

constexpr DWORD kFirstBufferSize = 256;

// A null key or value would make the profile service list or delete keys.
const char* orEmpty(const char* text) { return text ? text : ""; }

}  // namespace

CString Win32Env::readProfileString(const char* section, const char* key, const char* defaultValue,
                                    const char* path) {
  std::vector<char> buffer(kFirstBufferSize);
  for (;;) {
    DWORD size = static_cast<DWORD>(buffer.size());
    DWORD length = GetPrivateProfileStringA(orEmpty(section), orEmpty(key), orEmpty(defaultValue),
                                            buffer.data(),
                                            /*nSize=*/size, orEmpty(path));
    // A value that filled the buffer may have been cut: read again with more room.
    if (length + 1 < size) return CString(buffer.data(), static_cast<int>(length));
    buffer.resize(buffer.size() * 2);
  }
}

bool Win32Env::writeProfileString(const char* section, const char* key, const char* value,
                                  const char* path) {
  return WritePrivateProfileStringA(orEmpty(section), orEmpty(key), orEmpty(value),
                                    orEmpty(path)) != FALSE;
}

}  // namespace platform
