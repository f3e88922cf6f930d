#ifndef ZVK_ROBOT_STORE_CHECK_H_
#define ZVK_ROBOT_STORE_CHECK_H_

#include <string>
#include <vector>

#include "robot/store_layout.h"
#include "robot/submission.h"

namespace robot {

// Where the folder, the history and the database disagree, one sentence
// each: an accepted row without its version in the history or with other
// bytes there, a call's log that is not its latest accepted version, a log
// or history file no row names, a file left half-written in the scratch
// folder. Empty when they agree.
std::vector<std::string> findDifferences(const StoreLayout& layout,
                                         const std::vector<Submission>& submissions);

}  // namespace robot

#endif  // ZVK_ROBOT_STORE_CHECK_H_
