#ifndef ZVK_ROBOT_LOG_STORE_H_
#define ZVK_ROBOT_LOG_STORE_H_

#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_system.h"
#include "files/posix_file_system.h"
#include "robot/clock.h"
#include "robot/store_layout.h"
#include "robot/submission.h"
#include "robot/submission_db.h"
#include "robot/upload_reading.h"

namespace robot {

// Keeps every submission: the accepted log's version in the history, as the
// call's current log and as a database row; a refused one as a row only.
// Safe to use from many threads: of two versions of one call, the one whose
// row is added later is the current one.
class LogStore {
 public:
  // Opens the store in `dir`, making what is missing; the versions are
  // written through `files`. Throws errors::ToolError (kIo).
  LogStore(const std::string& dir, Clock clock,
           files::FileSystem& files = files::defaultFileSystem());

  // Keeps `text`; a log `sent` otherwise (its header corrected on the review
  // page) stays beside it in the history. Throws errors::ToolError (kIo);
  // what was kept before stays as it was.
  Submission accept(std::string_view text, const LogFacts& facts, std::string_view sent = {});
  Submission refuse(std::string_view text, const std::string& call, const std::string& reason);

  std::vector<Submission> submissions() const;
  // The version kept under `receipt`; empty for a receipt of no accepted log.
  std::optional<std::string> storedVersion(const std::string& receipt) const;
  const StoreLayout& layout() const { return layout_; }

 private:
  // A new receipt for `text`, with the time it is taken at.
  Submission describe(std::string_view text);
  // Puts `text` in place as the call's current log and adds its row.
  void keepAsCurrent(const Submission& submission, std::string_view text);

  files::FileSystem& files_;
  StoreLayout layout_;
  Clock clock_;
  mutable std::mutex mutex_;
  SubmissionDb db_;
  std::mt19937_64 random_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_LOG_STORE_H_
