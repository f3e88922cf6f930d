#include "robot/store_check.h"

#include <set>

#include "errors/tool_error.h"
#include "files/posix_file_system.h"
#include "robot/sha256.h"

namespace robot {
namespace {

// The digest of a file's bytes; empty when it cannot be read.
std::string digestOf(const std::string& path) {
  try {
    return sha256Hex(files::defaultFileSystem().readWhole(path));
  } catch (const errors::ToolError&) {
    return std::string();
  }
}

// The paths of the regular files in `dir`; none when it cannot be listed.
std::set<std::string> regularFiles(const std::string& dir) {
  std::set<std::string> paths;
  try {
    for (const std::string& name : files::defaultFileSystem().listFiles(dir)) {
      paths.insert(dir + "/" + name);
    }
  } catch (const errors::ToolError&) {
    // Each row of a folder that cannot be listed is then named as missing.
  }
  return paths;
}

void checkHistory(const StoreLayout& layout, const std::vector<Submission>& submissions,
                  std::vector<std::string>* differences) {
  std::set<std::string> unnamed = regularFiles(layout.historyDir());
  for (const Submission& row : submissions) {
    if (!row.accepted) continue;
    const std::string path = layout.history(row.receipt);
    unnamed.erase(path);
    unnamed.erase(layout.sentHistory(row.receipt));
    const std::string digest = digestOf(path);
    if (digest.empty()) {
      differences->push_back(path + ": missing, though receipt " + row.receipt + " was accepted");
    } else if (digest != row.sha256) {
      differences->push_back(path + ": other bytes than receipt " + row.receipt + " recorded");
    }
  }
  for (const std::string& path : unnamed) {
    differences->push_back(path + ": a version no receipt names");
  }
}

void checkCurrentLogs(const StoreLayout& layout, const std::vector<Submission>& submissions,
                      std::vector<std::string>* differences) {
  std::set<std::string> unnamed = regularFiles(layout.dir());
  unnamed.erase(layout.database());
  for (const char* suffix : {"-wal", "-shm", "-journal"}) {
    unnamed.erase(layout.database() + suffix);
  }
  for (const Submission& latest : latestAccepted(submissions)) {
    const std::string path = layout.current(latest.call);
    unnamed.erase(path);
    if (digestOf(path) != latest.sha256) {
      differences->push_back(path + ": not the latest version of " + latest.call + " (receipt " +
                             latest.receipt + ")");
    }
  }
  for (const std::string& path : unnamed) {
    differences->push_back(path + ": a log no receipt names");
  }
}

}  // namespace

std::vector<std::string> findDifferences(const StoreLayout& layout,
                                         const std::vector<Submission>& submissions) {
  std::vector<std::string> differences;
  checkHistory(layout, submissions, &differences);
  checkCurrentLogs(layout, submissions, &differences);
  for (const std::string& path : regularFiles(layout.scratchDir())) {
    differences.push_back(path + ": left half-written by a stop during an upload");
  }
  return differences;
}

}  // namespace robot
