#include "platform/posix/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

ScopedFd::~ScopedFd() { close(); }

bool ScopedFd::close() {
  if (fd_ < 0) return true;
  int fd = fd_;
  fd_ = -1;
  return ::close(fd) == 0;
}

bool readWholeFile(const std::string& path, std::string* contents, std::size_t maxSize) {
  ScopedFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info;
  if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  char buffer[8192];
  for (;;) {
    ssize_t count = ::read(file.get(), buffer, sizeof buffer);
    if (count == 0) return true;
    if (count < 0 && errno != EINTR) return false;
    if (count > 0) contents->append(buffer, static_cast<std::size_t>(count));
    if (contents->size() > maxSize) return false;
  }
}

bool writeAll(int fd, const std::string& data) {
  std::size_t done = 0;
  while (done < data.size()) {
    ssize_t count = ::write(fd, data.data() + done, data.size() - done);
    if (count < 0 && errno != EINTR) return false;
    if (count > 0) done += static_cast<std::size_t>(count);
  }
  return true;
}

}  // namespace platform
