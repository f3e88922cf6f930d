#ifndef ZVK_PLATFORM_POSIX_FILE_IO_H_
#define ZVK_PLATFORM_POSIX_FILE_IO_H_

#include <cstddef>
#include <string>

namespace platform {

// Closes a descriptor when it goes out of scope.
class ScopedFd {
 public:
  explicit ScopedFd(int fd) : fd_(fd) {}
  ~ScopedFd();
  ScopedFd(const ScopedFd&) = delete;
  ScopedFd& operator=(const ScopedFd&) = delete;

  int get() const { return fd_; }
  // Closes now; false when the close reported an error.
  bool close();

 private:
  int fd_;
};

// Appends the whole contents of the regular file `path` to `contents`. False
// when it cannot be read or is larger than `maxSize` bytes.
bool readWholeFile(const std::string& path, std::string* contents,
                   std::size_t maxSize = static_cast<std::size_t>(-1));
// Writes every byte of `data`; false on any error.
bool writeAll(int fd, const std::string& data);

}  // namespace platform

#endif  // ZVK_PLATFORM_POSIX_FILE_IO_H_
