#ifndef ZVK_FILES_FILE_SYSTEM_H_
#define ZVK_FILES_FILE_SYSTEM_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace files {

// Who may read a folder made: only this user (a scratch folder), or whoever
// the umask lets read one made plainly (a folder others are to read).
enum class FolderAccess { kPrivate, kAsUmaskAllows };

// A file open for writing. Every method throws errors::ToolError of kind kIo
// naming the file, the operation and the system's reason.
class WritableFile {
 public:
  virtual ~WritableFile() = default;

  // Writes all of `bytes` after what is written already.
  virtual void append(std::string_view bytes) = 0;
  // Returns once the bytes written are on the disk.
  virtual void sync() = 0;
  // Closes the file; a failing close is an error, as the bytes may be lost.
  // A file dropped without close() is closed quietly.
  virtual void close() = 0;
};

// Every file operation of the tools, so that a test can make any one of them
// fail. Every method throws errors::ToolError of kind kIo whose place names
// the path and the operation ("cannot read") and whose reason is the system's.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The whole contents of the file `path`.
  virtual std::string readWhole(const std::string& path) = 0;
  // Creates `path`, or empties it, for writing.
  virtual std::unique_ptr<WritableFile> create(const std::string& path) = 0;
  // Creates a new file of a name no other file has in `folder`, starting
  // with `prefix`, readable by all; its path goes to `*path`.
  virtual std::unique_ptr<WritableFile> createUnique(const std::string& folder,
                                                     const std::string& prefix,
                                                     std::string* path) = 0;
  // Makes a new folder named `prefix` and six characters no other has; its path.
  virtual std::string makeUniqueFolder(const std::string& prefix, FolderAccess access) = 0;
  // Makes the folder `path` and any missing above it; one that is there is fine.
  virtual void makeFolders(const std::string& path) = 0;
  // The names of the regular files (links followed) directly in `folder`, sorted.
  virtual std::vector<std::string> listFiles(const std::string& folder) = 0;
  // The size in bytes of the file `path` (links followed), read without
  // opening it: a cheap check that a file is the one recorded.
  virtual std::uint64_t fileSize(const std::string& path) = 0;
  // Whether `path` is a folder (links followed); false when it is not there.
  virtual bool isFolder(const std::string& path) = 0;
  // Renames `from` to `to`, replacing a file `to` at once.
  virtual void rename(const std::string& from, const std::string& to) = 0;
  // Renames `from` to `to` (on the same file system) only when there is no
  // `to`; otherwise fails and both stay as they were.
  virtual void renameAsNew(const std::string& from, const std::string& to) = 0;
  // Removes the file `path`.
  virtual void remove(const std::string& path) = 0;
  // Removes `path` and everything below it; nothing there is fine.
  virtual void removeAll(const std::string& path) = 0;
  // Returns once the entries of `folder` (a rename into it) are on the disk.
  virtual void syncFolder(const std::string& folder) = 0;
};

}  // namespace files

#endif  // ZVK_FILES_FILE_SYSTEM_H_
