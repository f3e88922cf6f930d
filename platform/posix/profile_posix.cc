#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>

#include "platform/posix/file_io.h"
#include "platform/posix/ini_text.h"
#include "platform/posix/posix_env.h"

namespace platform {
namespace {

std::string folderOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// Opens a new, uniquely named file in `folder`; -1 when the folder is missing or not writable.
int createTemporary(const std::string& folder, std::string* name) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    *name = folder + "/.profile-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
    int fd = ::open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Writes `contents` to a temporary file beside `path` and renames it over
// `path`, so a failure at any point leaves the old file whole.
bool replaceFile(const std::string& path, const std::string& contents, const struct stat* old) {
  std::string temporary;
  ScopedFd file(createTemporary(folderOf(path), &temporary));
  if (file.get() < 0) return false;
  bool written =
      writeAll(file.get(), contents) && (!old || ::fchmod(file.get(), old->st_mode & 07777) == 0) &&
      ::fsync(file.get()) == 0 && file.close() && ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!written) ::unlink(temporary.c_str());
  return written;
}

bool hasLineBreak(const char* text) { return std::strpbrk(text, "\r\n") != nullptr; }

// Names that the file could not hold as given are refused rather than written garbled.
bool isStorable(const char* section, const char* key, const char* value) {
  return section && key && value && *section && *key && !hasLineBreak(section) &&
         !hasLineBreak(key) && !hasLineBreak(value) && !std::strchr(section, ']') &&
         !std::strchr(key, '=');
}

}  // namespace

CString PosixEnv::readProfileString(const char* section, const char* key, const char* defaultValue,
                                    const char* path) {
  std::string contents;
  std::string value;
  if (!section || !key || !readWholeFile(nativePath(path), &contents) ||
      !IniText(contents).find(section, key, &value)) {
    return CString(defaultValue);
  }
  return CString(std::move(value));
}

bool PosixEnv::writeProfileString(const char* section, const char* key, const char* value,
                                  const char* path) {
  if (!isStorable(section, key, value)) return false;
  const std::string native = nativePath(path);
  struct stat old;
  const bool exists = ::stat(native.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return false;
  // A file without write permission is read-only, as on Windows, even for root.
  if (exists && (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0)) return false;
  std::string contents;
  if (exists && !readWholeFile(native, &contents)) return false;
  IniText text(contents);
  text.set(section, key, value);
  return replaceFile(native, text.contents(), exists ? &old : nullptr);
}

}  // namespace platform
