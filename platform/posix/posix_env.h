#ifndef ZVK_PLATFORM_POSIX_POSIX_ENV_H_
#define ZVK_PLATFORM_POSIX_POSIX_ENV_H_

#include "platform/env.h"

namespace platform {

// The POSIX backend: files and the clock from the C library, profiles as INI
// text files, message boxes and dialogs on the terminal.
class PosixEnv : public Env {
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

// Windows-style relative path ("Plugins\ZVK-CW.ini") as a POSIX path.
std::string nativePath(const char* path);

}  // namespace platform

#endif  // ZVK_PLATFORM_POSIX_POSIX_ENV_H_
