#ifndef ZVK_ROBOT_FOLDER_FILE_H_
#define ZVK_ROBOT_FOLDER_FILE_H_

#include <string>

#include "robot/answer.h"

namespace robot {

// The file `path` below `folder` ("" or ending in '/': its index.html),
// typed by its extension; 404 for a path that leaves the folder or names
// no file.
Answer folderFile(const std::string& folder, const std::string& path);

}  // namespace robot

#endif  // ZVK_ROBOT_FOLDER_FILE_H_
