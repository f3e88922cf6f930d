#ifndef ZVK_FILES_STREAMED_FILE_H_
#define ZVK_FILES_STREAMED_FILE_H_

#include <functional>
#include <ostream>
#include <string>

#include "files/file_system.h"

namespace files {

// Writes to `path` what `write` puts out, replacing what it held, with no
// sync (as writeFile). Throws errors::ToolError (kIo) naming the file.
void writeStreamed(FileSystem& files, const std::string& path,
                   const std::function<void(std::ostream&)>& write);

}  // namespace files

#endif  // ZVK_FILES_STREAMED_FILE_H_
