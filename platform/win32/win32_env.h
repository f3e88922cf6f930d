#ifndef ZVK_PLATFORM_WIN32_WIN32_ENV_H_
#define ZVK_PLATFORM_WIN32_WIN32_ENV_H_

#include "platform/env.h"

namespace platform {

// The Win32 backend: private-profile files, message boxes and dialogs of the
// window system, directory search and version resources, shared C run-time files.
class Win32Env : public Env {
 public:
  CString readProfileString(const char* section, const char* key, const char* defaultValue,
                            const char* path) override;
  bool writeProfileString(const char* section, const char* key, const char* value,
                          const char* path) override;
  int showMessageBox(const char* text, const char* caption, unsigned style,
                     MessageOwner owner) override;
  DialogResult runDialog(DialogForm& form) override;
  std::vector<CString> findFiles(const char* pattern) override;
  bool readFileVersion(const char* path, std::uint32_t* versionMs,
                       std::uint32_t* versionLs) override;
  std::int64_t nowUtcSeconds() override;
  std::unique_ptr<WritableFile> openForWriting(const char* path, WriteMode mode) override;
};

}  // namespace platform

#endif  // ZVK_PLATFORM_WIN32_WIN32_ENV_H_
