#ifndef ZVK_FILES_SCOPED_FD_H_
#define ZVK_FILES_SCOPED_FD_H_

#include <string_view>

namespace files {

// Owns an open file descriptor and closes it when dropped.
class ScopedFd {
 public:
  explicit ScopedFd(int fd) : fd_(fd) {}
  ~ScopedFd();
  ScopedFd(const ScopedFd&) = delete;
  ScopedFd& operator=(const ScopedFd&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Writes all of `bytes`, going on after a short write or a signal; false
  // with errno set when the system refuses.
  bool writeAll(std::string_view bytes) const;
  // Closes now, so that a failing close is seen; false with errno set.
  bool close();

 private:
  int fd_;
};

}  // namespace files

#endif  // ZVK_FILES_SCOPED_FD_H_
