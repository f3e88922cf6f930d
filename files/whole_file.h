#ifndef ZVK_FILES_WHOLE_FILE_H_
#define ZVK_FILES_WHOLE_FILE_H_

#include <string>
#include <string_view>

#include "files/file_system.h"

namespace files {

// The ways the tools write a file, from the quickest to the safest. Each
// throws errors::ToolError (kIo) naming the file and the failed operation.

// Writes `contents` to `path`, replacing what it held, with no sync: for a
// file in a folder that is itself put in place whole.
void writeFile(FileSystem& files, const std::string& path, std::string_view contents);

// A new file in `folder` holding `contents`, on the disk: its path. On
// failure nothing is left behind.
std::string writeScratch(FileSystem& files, const std::string& folder, std::string_view contents);

// Renames the scratch file `scratch` over `path` (on the same file system),
// so that `path` holds the old contents or the new, never a part. On failure
// the scratch file is removed and `path` is as it was.
void moveIntoPlace(FileSystem& files, const std::string& scratch, const std::string& path);

// Both, and the folder of `path` synced: `path` holds `contents` whole, also
// after a crash of the machine. The scratch file is made in `scratchFolder`.
void writeDurably(FileSystem& files, const std::string& path, std::string_view contents,
                  const std::string& scratchFolder);

// writeDurably for a file that must not be there yet: when `path` is there,
// the write fails. On any failure `path` is as it was.
void writeNewDurably(FileSystem& files, const std::string& path, std::string_view contents,
                     const std::string& scratchFolder);

// writeDurably with the scratch file beside `path`, hidden.
void writeAtomically(FileSystem& files, const std::string& path, std::string_view contents);

// Removes the file `path`, reporting nothing: the clean-up after a failure
// that the caller reports.
void removeQuietly(FileSystem& files, const std::string& path);

// The folder part of `path`: "." for a bare name.
std::string folderOf(const std::string& path);

}  // namespace files

#endif  // ZVK_FILES_WHOLE_FILE_H_
