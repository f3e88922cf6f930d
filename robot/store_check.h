#ifndef ZVK_ROBOT_STORE_CHECK_H_
#define ZVK_ROBOT_STORE_CHECK_H_

#include <string>
#include <vector>

#include "files/file_system.h"
#include "robot/store_layout.h"
#include "robot/submission.h"

namespace robot {

// How closely the files are compared with their rows: by size, as each
// start does (a stat a file, whatever the store holds), or byte for byte by
// their SHA-256, as an organiser asks for.
enum class CheckDepth { kSizes, kDigests };

// Where the folder, the history and the database disagree, one sentence
// each: a row without its text in the history or with other bytes there, a
// call's log that is not its latest accepted version, a log or history file
// no row names, a file left half-written in the scratch folder. Empty when
// they agree.
std::vector<std::string> findDifferences(const StoreLayout& layout,
                                         const std::vector<Submission>& submissions,
                                         CheckDepth depth, files::FileSystem& files);

}  // namespace robot

#endif  // ZVK_ROBOT_STORE_CHECK_H_
