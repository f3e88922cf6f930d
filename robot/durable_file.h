#ifndef ZVK_ROBOT_DURABLE_FILE_H_
#define ZVK_ROBOT_DURABLE_FILE_H_

#include <string>
#include <string_view>

namespace robot {

// A new file in `scratchDir` holding `contents`, on the disk: its path.
// Throws errors::ToolError (kIo) naming the file and why, leaving nothing behind.
std::string writeScratchFile(std::string_view contents, const std::string& scratchDir);

// Renames the scratch file `scratch` over `path` (on the same file system),
// so that `path` has the old contents or the new, never a part; on failure
// the scratch file is removed and `path` is as it was. Throws errors::ToolError (kIo).
void moveIntoPlace(const std::string& scratch, const std::string& path);

// Makes the folder's entries (a rename into it) survive a crash of the
// machine. Throws errors::ToolError (kIo).
void syncFolder(const std::string& folder);

// All three for one file: `path` holds `contents` whole, even after a crash.
void writeDurably(const std::string& path, std::string_view contents,
                  const std::string& scratchDir);

}  // namespace robot

#endif  // ZVK_ROBOT_DURABLE_FILE_H_
