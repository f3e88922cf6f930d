#include "tests/support/faulty_file_system.h"

#include "errors/tool_error.h"
#include "files/posix_file_system.h"

namespace testing_support {
namespace {

// A file of the faulty file system: each call counted, as the system's are.
class FaultyFile : public files::WritableFile {
 public:
  FaultyFile(FaultyFileSystem& system, std::unique_ptr<files::WritableFile> real, std::string path)
      : system_(system), real_(std::move(real)), path_(std::move(path)) {}

  void append(std::string_view bytes) override {
    system_.enter("append", path_);
    real_->append(bytes);
    system_.record("append", path_);
  }
  void sync() override {
    system_.enter("sync", path_);
    real_->sync();
    system_.record("sync", path_);
  }
  void close() override {
    system_.enter("close", path_);
    real_->close();
    system_.record("close", path_);
  }

 private:
  FaultyFileSystem& system_;
  std::unique_ptr<files::WritableFile> real_;
  std::string path_;
};

}  // namespace

FaultyFileSystem::FaultyFileSystem() : real_(files::defaultFileSystem()) {}

void FaultyFileSystem::failAt(int n, Mode mode) {
  std::lock_guard<std::mutex> lock(mutex_);
  failAt_ = n;
  mode_ = mode;
  count_ = 0;
  done_.clear();
  failed_.clear();
}

int FaultyFileSystem::calls() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return count_;
}

std::vector<FaultyFileSystem::Call> FaultyFileSystem::done() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return done_;
}

std::vector<FaultyFileSystem::Call> FaultyFileSystem::failed() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return failed_;
}

void FaultyFileSystem::enter(const char* operation, const std::string& path,
                             const std::string& to) {
  std::lock_guard<std::mutex> lock(mutex_);
  const int n = ++count_;
  const bool fails = failAt_ > 0 && (n == failAt_ || (mode_ == Mode::kFromThenOn && n > failAt_));
  if (!fails) return;
  failed_.push_back({operation, path, to});
  throw errors::ToolError(errors::ErrorKind::kIo, {path, 0, operation}, "injected fault");
}

void FaultyFileSystem::record(const char* operation, const std::string& path,
                              const std::string& to) {
  std::lock_guard<std::mutex> lock(mutex_);
  done_.push_back({operation, path, to});
}

std::string FaultyFileSystem::readWhole(const std::string& path) {
  enter("readWhole", path);
  std::string contents = real_.readWhole(path);
  record("readWhole", path);
  return contents;
}

std::unique_ptr<files::WritableFile> FaultyFileSystem::create(const std::string& path) {
  enter("create", path);
  auto file = std::make_unique<FaultyFile>(*this, real_.create(path), path);
  record("create", path);
  return file;
}

std::unique_ptr<files::WritableFile> FaultyFileSystem::createUnique(const std::string& folder,
                                                                    const std::string& prefix,
                                                                    std::string* path) {
  enter("createUnique", folder + "/" + prefix);
  auto file = std::make_unique<FaultyFile>(*this, real_.createUnique(folder, prefix, path), *path);
  record("createUnique", *path);
  return file;
}

std::string FaultyFileSystem::makeUniqueFolder(const std::string& prefix,
                                               files::FolderAccess access) {
  enter("makeUniqueFolder", prefix);
  std::string path = real_.makeUniqueFolder(prefix, access);
  record("makeUniqueFolder", path);
  return path;
}

void FaultyFileSystem::makeFolders(const std::string& path) {
  enter("makeFolders", path);
  real_.makeFolders(path);
  record("makeFolders", path);
}

std::vector<std::string> FaultyFileSystem::listFiles(const std::string& folder) {
  enter("listFiles", folder);
  std::vector<std::string> names = real_.listFiles(folder);
  record("listFiles", folder);
  return names;
}

std::uint64_t FaultyFileSystem::fileSize(const std::string& path) {
  enter("fileSize", path);
  const std::uint64_t size = real_.fileSize(path);
  record("fileSize", path);
  return size;
}

// Cannot fail, so it is not counted.
bool FaultyFileSystem::isFolder(const std::string& path) { return real_.isFolder(path); }

void FaultyFileSystem::rename(const std::string& from, const std::string& to) {
  enter("rename", from, to);
  real_.rename(from, to);
  record("rename", from, to);
}

void FaultyFileSystem::renameAsNew(const std::string& from, const std::string& to) {
  enter("renameAsNew", from, to);
  real_.renameAsNew(from, to);
  record("renameAsNew", from, to);
}

void FaultyFileSystem::remove(const std::string& path) {
  enter("remove", path);
  real_.remove(path);
  record("remove", path);
}

void FaultyFileSystem::removeAll(const std::string& path) {
  enter("removeAll", path);
  real_.removeAll(path);
  record("removeAll", path);
}

void FaultyFileSystem::syncFolder(const std::string& folder) {
  enter("syncFolder", folder);
  real_.syncFolder(folder);
  record("syncFolder", folder);
}

}  // namespace testing_support
