#ifndef ZVK_CROSSCHECK_READ_LOGS_H_
#define ZVK_CROSSCHECK_READ_LOGS_H_

#include <functional>
#include <string>
#include <vector>

#include "crosscheck/contest_logs.h"
#include "import/cabrillo_stations.h"

namespace crosscheck {

// Reads and normalises the files in order (the next ones are parsed while
// the last is interned), so only a few logs' importer strings are ever held.
// A file that is no log goes to `unreadable`; of two files with one entrant
// call, the one with more QSO lines is kept and both go to `duplicateLogs`.
// `onFileRead` is called once per file.
ContestLogs readLogs(const std::vector<std::string>& files, const imports::CabrilloLayout& layout,
                     const std::function<void()>& onFileRead);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_READ_LOGS_H_
