#include "crosscheck/output_folder.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace crosscheck {
namespace {

namespace fs = std::filesystem;

// The folder as an absolute path without a trailing separator.
fs::path targetOf(const std::string& dir) {
  fs::path target = fs::absolute(dir).lexically_normal();
  return target.has_filename() ? target : target.parent_path();
}

// A hidden name beside the target, in its parent folder, so that a rename
// moves it into place.
std::string besideTarget(const fs::path& target, const std::string& purpose) {
  return (target.parent_path() / ("." + target.filename().string() + purpose)).string();
}

std::string makeTemporaryDir(const std::string& dir) {
  std::string pattern = besideTarget(targetOf(dir), ".tmp-XXXXXX");
  if (!mkdtemp(pattern.data())) {
    throw OutputError(dir + ": cannot make the output folder: " + std::strerror(errno));
  }
  return pattern;
}

// Moves the finished folder into place; an old folder is set aside first and
// removed only once the new one stands.
void replaceDir(const std::string& temporary, const std::string& dir) {
  const fs::path target = targetOf(dir);
  std::error_code error;
  std::string old;
  if (fs::exists(target)) {
    old = besideTarget(target, ".old-" + std::to_string(getpid()));
    fs::rename(target, old, error);
    if (error) throw OutputError(dir + ": cannot replace the folder: " + error.message());
  }
  fs::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    if (!old.empty()) fs::rename(old, target, ignored);
    throw OutputError(dir + ": cannot make the output folder: " + error.message());
  }
  if (!old.empty()) fs::remove_all(old, error);
}

// All of `text`, or false with errno set.
bool writeAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

void writeFolderWhole(const std::string& dir, const std::function<void(const std::string&)>& fill) {
  const std::string temporary = makeTemporaryDir(dir);
  try {
    fill(temporary);
    replaceDir(temporary, dir);
  } catch (...) {
    std::error_code ignored;
    fs::remove_all(temporary, ignored);
    throw;
  }
}

void writeTextFile(const std::string& path, std::string_view text) {
  constexpr mode_t kAsTheUmaskAllows = 0666;  // as a stream opens its files
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kAsTheUmaskAllows);
  if (fd < 0) throw OutputError(path + ": cannot write: " + std::strerror(errno));
  const bool whole = writeAll(fd, text);
  const int error = errno;
  const bool closed = ::close(fd) == 0;
  if (!whole || !closed) {
    throw OutputError(path + ": cannot write: " + std::strerror(whole ? errno : error));
  }
}

void writeTextFile(const std::string& path, const std::function<void(std::ostream&)>& write) {
  std::ofstream out(path, std::ios::binary);
  if (out) write(out);
  out.flush();
  if (!out) throw OutputError(path + ": cannot write: " + std::strerror(errno));
}

}  // namespace crosscheck
