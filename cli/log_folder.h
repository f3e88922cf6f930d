#ifndef ZVK_CLI_LOG_FOLDER_H_
#define ZVK_CLI_LOG_FOLDER_H_

#include <string>
#include <vector>

namespace cli {

// The log files that the operands name: a file as given, a folder as every
// regular file in it (not recursing), sorted by name and named "folder/name".
// A folder that cannot be listed stays as given, so reading it reports why.
std::vector<std::string> listLogFiles(const std::vector<std::string>& operands);

}  // namespace cli

#endif  // ZVK_CLI_LOG_FOLDER_H_
