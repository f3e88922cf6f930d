#include "files/scoped_fd.h"

#include <unistd.h>

#include <cerrno>

namespace files {

ScopedFd::~ScopedFd() {
  if (fd_ >= 0) ::close(fd_);
}

bool ScopedFd::writeAll(std::string_view bytes) const {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool ScopedFd::close() {
  const int fd = fd_;
  fd_ = -1;
  return ::close(fd) == 0;
}

}  // namespace files
