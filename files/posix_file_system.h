#ifndef ZVK_FILES_POSIX_FILE_SYSTEM_H_
#define ZVK_FILES_POSIX_FILE_SYSTEM_H_

#include "files/file_system.h"

namespace files {

// The machine's own file system, shared by the whole process and never
// destroyed, so that it outlives every object writing through it.
FileSystem& defaultFileSystem();

}  // namespace files

#endif  // ZVK_FILES_POSIX_FILE_SYSTEM_H_
