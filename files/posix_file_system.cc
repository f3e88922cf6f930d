#include "files/posix_file_system.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "files/io_error.h"
#include "files/scoped_fd.h"

namespace files {
namespace {

namespace fs = std::filesystem;

constexpr char kCannotRead[] = "cannot read";
constexpr char kCannotWrite[] = "cannot write";
constexpr char kCannotMakeFolder[] = "cannot make the folder";
constexpr char kCannotRemove[] = "cannot remove";
constexpr char kCannotCreate[] = "cannot create a temporary file";

class PosixFile : public WritableFile {
 public:
  PosixFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}

  void append(std::string_view bytes) override {
    if (!fd_.writeAll(bytes)) throw ioError(path_, kCannotWrite, errno);
  }
  void sync() override {
    if (::fsync(fd_.get()) != 0) throw ioError(path_, "cannot sync", errno);
  }
  void close() override {
    if (!fd_.close()) throw ioError(path_, kCannotWrite, errno);
  }

 private:
  ScopedFd fd_;
  std::string path_;
};

// Reads to the end, the room sized by the file's size so that one read
// usually takes it all.
std::string readToEnd(const ScopedFd& fd, const std::string& path) {
  struct stat status {};
  const bool sized = ::fstat(fd.get(), &status) == 0 && status.st_size > 0;
  std::string contents(sized ? static_cast<std::size_t>(status.st_size) + 1 : 0, '\0');
  std::size_t used = 0;
  for (;;) {
    constexpr std::size_t kLeastRoom = 1 << 16;
    if (used == contents.size()) contents.resize(std::max(2 * used, kLeastRoom));
    const ssize_t got = ::read(fd.get(), &contents[used], contents.size() - used);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw ioError(path, kCannotRead, errno);
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
  }
  contents.resize(used);
  return contents;
}

// Six letters or digits, as mkdtemp's, drawn afresh for each attempt.
std::string uniqueSuffix() {
  static constexpr char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937 random{std::random_device()()};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
  std::string suffix(6, ' ');
  for (char& c : suffix) c = kChars[pick(random)];
  return suffix;
}

class PosixFileSystem : public FileSystem {
 public:
  std::string readWhole(const std::string& path) override {
    const ScopedFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) throw ioError(path, kCannotRead, errno);
    return readToEnd(fd, path);
  }

  std::unique_ptr<WritableFile> create(const std::string& path) override {
    constexpr mode_t kAsTheUmaskAllows = 0666;
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kAsTheUmaskAllows);
    if (fd < 0) throw ioError(path, kCannotWrite, errno);
    return std::make_unique<PosixFile>(fd, path);
  }

  // The organisers read the robot's logs as another user.
  std::unique_ptr<WritableFile> createUnique(const std::string& folder, const std::string& prefix,
                                             std::string* path) override {
    std::string pattern = folder + "/" + prefix + "XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) throw ioError(folder + "/" + prefix, kCannotCreate, errno);
    auto file = std::make_unique<PosixFile>(fd, pattern);
    constexpr mode_t kReadableByAll = 0644;
    if (::fchmod(fd, kReadableByAll) != 0) {
      const int error = errno;
      ::unlink(pattern.c_str());
      throw ioError(pattern, kCannotCreate, error);
    }
    *path = pattern;
    return file;
  }

  // mkdtemp's loop, but with the mode asked for: mkdtemp's is always private.
  std::string makeUniqueFolder(const std::string& prefix, FolderAccess access) override {
    constexpr int kAttempts = 100;
    const mode_t mode = access == FolderAccess::kPrivate ? 0700 : 0777;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      const std::string path = prefix + uniqueSuffix();
      if (::mkdir(path.c_str(), mode) == 0) return path;
      if (errno != EEXIST) throw ioError(prefix, kCannotMakeFolder, errno);
    }
    throw ioError(prefix, kCannotMakeFolder, EEXIST);
  }

  void makeFolders(const std::string& path) override {
    std::error_code error;
    fs::create_directories(path, error);
    if (error) throw ioError(path, kCannotMakeFolder, error.value());
  }

  std::vector<std::string> listFiles(const std::string& folder) override {
    std::error_code error;
    fs::directory_iterator entry(folder, error);
    std::vector<std::string> names;
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
      std::error_code ignored;  // an entry gone or a dangling link is no file
      if (entry->is_regular_file(ignored)) names.push_back(entry->path().filename().string());
    }
    if (error) throw ioError(folder, "cannot list", error.value());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::uint64_t fileSize(const std::string& path) override {
    struct stat facts;
    if (::stat(path.c_str(), &facts) != 0) throw ioError(path, kCannotRead, errno);
    return static_cast<std::uint64_t>(facts.st_size);
  }

  bool isFolder(const std::string& path) override {
    std::error_code ignored;
    return fs::is_directory(path, ignored);
  }

  void rename(const std::string& from, const std::string& to) override {
    if (std::rename(from.c_str(), to.c_str()) != 0) {
      throw ioError(from, "cannot rename to " + to, errno);
    }
  }

  void renameAsNew(const std::string& from, const std::string& to) override {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
      throw ioError(from, "cannot rename to " + to, errno);
    }
  }

  void remove(const std::string& path) override {
    if (::unlink(path.c_str()) != 0) throw ioError(path, kCannotRemove, errno);
  }

  void removeAll(const std::string& path) override {
    std::error_code error;
    fs::remove_all(path, error);
    if (error) throw ioError(path, kCannotRemove, error.value());
  }

  void syncFolder(const std::string& folder) override {
    const ScopedFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid() || ::fsync(fd.get()) != 0) {
      throw ioError(folder, "cannot sync the folder", errno);
    }
  }
};

}  // namespace

FileSystem& defaultFileSystem() {
  static FileSystem* const kMachine = new PosixFileSystem();
  return *kMachine;
}

}  // namespace files
