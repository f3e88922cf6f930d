#ifndef ZVK_TESTS_SUPPORT_FAULTY_FILE_SYSTEM_H_
#define ZVK_TESTS_SUPPORT_FAULTY_FILE_SYSTEM_H_

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "files/file_system.h"

namespace testing_support {

// The machine's file system, except that the Nth call fails with an I/O
// error, once (a full disk, a flaky device) or from then on (a crash: not
// even the clean-up gets through). Every call that can fail is counted, the
// file system's and those of the files it opens, from 1. The calls that got
// through are recorded in order, so a test can ask what reached the disk.
class FaultyFileSystem : public files::FileSystem {
 public:
  enum class Mode { kOnce, kFromThenOn };

  FaultyFileSystem();

  struct Call {
    std::string operation;  // the method's name: "append", "rename", ...
    std::string path;       // the file or folder; for a rename, the one renamed
    std::string to;         // for a rename, the new name
    bool operator==(const Call& other) const {
      return operation == other.operation && path == other.path && to == other.to;
    }
  };

  // Fails call `n` and, in kFromThenOn, every later one; n = 0 fails none.
  // Starts the count and the record afresh.
  void failAt(int n, Mode mode);
  // The calls counted so far, failed ones included.
  int calls() const;
  // The calls that got through, in order.
  std::vector<Call> done() const;
  // The calls that were made to fail.
  std::vector<Call> failed() const;

  std::string readWhole(const std::string& path) override;
  std::unique_ptr<files::WritableFile> create(const std::string& path) override;
  std::unique_ptr<files::WritableFile> createUnique(const std::string& folder,
                                                    const std::string& prefix,
                                                    std::string* path) override;
  std::string makeUniqueFolder(const std::string& prefix, files::FolderAccess access) override;
  void makeFolders(const std::string& path) override;
  std::vector<std::string> listFiles(const std::string& folder) override;
  std::uint64_t fileSize(const std::string& path) override;
  bool isFolder(const std::string& path) override;
  void rename(const std::string& from, const std::string& to) override;
  void renameAsNew(const std::string& from, const std::string& to) override;
  void remove(const std::string& path) override;
  void removeAll(const std::string& path) override;
  void syncFolder(const std::string& folder) override;

  // Counts a call of `operation` on `path`; throws the injected error when
  // it is one to fail. Then `record` once it got through.
  void enter(const char* operation, const std::string& path, const std::string& to = "");
  void record(const char* operation, const std::string& path, const std::string& to = "");

 private:
  files::FileSystem& real_;
  mutable std::mutex mutex_;
  int count_ = 0;
  int failAt_ = 0;
  Mode mode_ = Mode::kOnce;
  std::vector<Call> done_;
  std::vector<Call> failed_;
};

}  // namespace testing_support

#endif  // ZVK_TESTS_SUPPORT_FAULTY_FILE_SYSTEM_H_
