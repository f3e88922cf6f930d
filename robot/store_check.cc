#include "robot/store_check.h"

#include <set>

#include "errors/tool_error.h"
#include "robot/sha256.h"

namespace robot {
namespace {

// Compares files with what their rows recorded, as deeply as asked.
class FileComparer {
 public:
  FileComparer(CheckDepth depth, files::FileSystem& files) : depth_(depth), files_(files) {}

  // Whether `path` is there.
  bool present(const std::string& path) const {
    try {
      files_.fileSize(path);
      return true;
    } catch (const errors::ToolError&) {
      return false;
    }
  }

  // Whether `path` holds `bytes` bytes and, checked by digest, the bytes of
  // `sha256` (empty: not known, as of a refused log kept in part).
  bool holds(const std::string& path, std::int64_t bytes, const std::string& sha256) const {
    try {
      if (files_.fileSize(path) != static_cast<std::uint64_t>(bytes)) return false;
      return depth_ == CheckDepth::kSizes || sha256.empty() ||
             sha256Hex(files_.readWhole(path)) == sha256;
    } catch (const errors::ToolError&) {
      return false;
    }
  }

  // The paths of the regular files in `dir`; none when it cannot be listed.
  std::set<std::string> regularFiles(const std::string& dir) const {
    std::set<std::string> paths;
    try {
      for (const std::string& name : files_.listFiles(dir)) paths.insert(dir + "/" + name);
    } catch (const errors::ToolError&) {
      // Each row of a folder that cannot be listed is then named as missing.
    }
    return paths;
  }

 private:
  CheckDepth depth_;
  files::FileSystem& files_;
};

void checkHistory(const StoreLayout& layout, const std::vector<Submission>& submissions,
                  const FileComparer& files, std::vector<std::string>* differences) {
  std::set<std::string> unnamed = files.regularFiles(layout.historyDir());
  for (const Submission& row : submissions) {
    if (!row.historyBytes) continue;
    const std::string path = layout.history(row.receipt);
    const bool whole = *row.historyBytes == row.size;
    // The log as sent, kept beside a version corrected on the review page.
    unnamed.erase(layout.sentHistory(row.receipt));
    if (unnamed.erase(path) == 0 && !files.present(path)) {
      differences->push_back(path + ": missing, though receipt " + row.receipt + " was " +
                             (row.accepted ? "accepted" : "refused"));
    } else if (!files.holds(path, *row.historyBytes, whole ? row.sha256 : std::string())) {
      differences->push_back(path + ": other bytes than receipt " + row.receipt + " recorded");
    }
  }
  for (const std::string& path : unnamed) {
    differences->push_back(path + ": a version no receipt names");
  }
}

void checkCurrentLogs(const StoreLayout& layout, const std::vector<Submission>& submissions,
                      const FileComparer& files, std::vector<std::string>* differences) {
  std::set<std::string> unnamed = files.regularFiles(layout.dir());
  unnamed.erase(layout.database());
  for (const char* suffix : {"-wal", "-shm", "-journal"}) {
    unnamed.erase(layout.database() + suffix);
  }
  for (const Submission& latest : latestAccepted(submissions)) {
    const std::string path = layout.current(latest.call);
    unnamed.erase(path);
    if (!files.holds(path, latest.size, latest.sha256)) {
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
                                         const std::vector<Submission>& submissions,
                                         CheckDepth depth, files::FileSystem& files) {
  const FileComparer comparer(depth, files);
  std::vector<std::string> differences;
  checkHistory(layout, submissions, comparer, &differences);
  checkCurrentLogs(layout, submissions, comparer, &differences);
  for (const std::string& path : comparer.regularFiles(layout.scratchDir())) {
    differences.push_back(path + ": left half-written by a stop during an upload");
  }
  return differences;
}

}  // namespace robot
