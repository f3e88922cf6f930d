#include "robot/durable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "errors/tool_error.h"
#include "robot/submission_db.h"

namespace robot {
namespace {

class ScopedFd {
 public:
  explicit ScopedFd(int fd) : fd_(fd) {}
  ~ScopedFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  ScopedFd(const ScopedFd&) = delete;
  ScopedFd& operator=(const ScopedFd&) = delete;
  int get() const { return fd_; }
  // Closes now, so that a failing close is seen.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

[[noreturn]] void fail(const std::string& path, const char* doing) {
  throw errors::ToolError(errors::ErrorKind::kIo, {path, 0, ""},
                          std::string("cannot ") + doing + ": " + std::strerror(errno));
}

bool writeAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t written = ::write(fd, contents.data(), contents.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

void fillScratchFile(std::string& scratch, std::string_view contents) {
  ScopedFd file(::mkstemp(scratch.data()));
  if (file.get() < 0) fail(scratch, "create a temporary file");
  // The organisers read the logs as another user.
  constexpr mode_t kReadableByAll = 0644;
  const bool done = ::fchmod(file.get(), kReadableByAll) == 0 && writeAll(file.get(), contents) &&
                    ::fsync(file.get()) == 0 && file.close();
  if (!done) {
    const int error = errno;
    std::remove(scratch.c_str());
    errno = error;
    fail(scratch, "write");
  }
}

}  // namespace

std::string writeScratchFile(std::string_view contents, const std::string& scratchDir) {
  std::string scratch = scratchDir + "/write-XXXXXX";
  fillScratchFile(scratch, contents);
  return scratch;
}

void moveIntoPlace(const std::string& scratch, const std::string& path) {
  if (std::rename(scratch.c_str(), path.c_str()) == 0) return;
  const int error = errno;
  std::remove(scratch.c_str());
  errno = error;
  fail(path, "rename the new version into place");
}

void syncFolder(const std::string& folder) {
  ScopedFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
  if (dir.get() < 0 || ::fsync(dir.get()) != 0) fail(folder, "sync the folder");
}

void writeDurably(const std::string& path, std::string_view contents,
                  const std::string& scratchDir) {
  moveIntoPlace(writeScratchFile(contents, scratchDir), path);
  syncFolder(std::filesystem::path(path).parent_path().string());
}

}  // namespace robot
