#ifndef ZVK_FILES_WHOLE_FOLDER_H_
#define ZVK_FILES_WHOLE_FOLDER_H_

#include <functional>
#include <string>

#include "files/file_system.h"

namespace files {

// Writes a whole folder or nothing: `fill` writes into a fresh temporary
// folder beside `dir`, which then takes the place of `dir` (an existing one
// is replaced only now). On any failure the temporary folder is removed and
// `dir` left as it was. Throws errors::ToolError (kIo) and what `fill` throws.
void writeFolderWhole(FileSystem& files, const std::string& dir,
                      const std::function<void(const std::string&)>& fill);

// Puts the finished folder `from` in the place of `dir` (on the same file
// system): an existing `dir` is set aside first and removed once `from`
// stands there, and put back when the move fails. Throws errors::ToolError (kIo).
void moveFolderIntoPlace(FileSystem& files, const std::string& from, const std::string& dir);

}  // namespace files

#endif  // ZVK_FILES_WHOLE_FOLDER_H_
