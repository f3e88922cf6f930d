#ifndef ZVK_ROBOT_DURABLE_FILE_H_
#define ZVK_ROBOT_DURABLE_FILE_H_

#include <string>
#include <string_view>

namespace robot {

// Makes `path` hold `contents`, whole, even after a crash: the bytes go to a
// new file in `scratchDir` (on the same file system), reach the disk, and
// the file is renamed over `path`; the folder's entry is synced too. On
// failure `path` is as it was. Throws StoreError naming the file and why.
void writeDurably(const std::string& path, std::string_view contents,
                  const std::string& scratchDir);

}  // namespace robot

#endif  // ZVK_ROBOT_DURABLE_FILE_H_
