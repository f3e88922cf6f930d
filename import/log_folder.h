#ifndef ZVK_IMPORT_LOG_FOLDER_H_
#define ZVK_IMPORT_LOG_FOLDER_H_

#include <string>
#include <vector>

namespace imports {

// The log files that the operands name: a file as given, a folder as every
// regular file in it that is not hidden (not recursing), sorted by name and
// named "folder/name".
// A folder that cannot be listed stays as given, so reading it reports why.
std::vector<std::string> listLogFiles(const std::vector<std::string>& operands);

}  // namespace imports

#endif  // ZVK_IMPORT_LOG_FOLDER_H_
