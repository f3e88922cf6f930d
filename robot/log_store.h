#ifndef ZVK_ROBOT_LOG_STORE_H_
#define ZVK_ROBOT_LOG_STORE_H_

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_system.h"
#include "files/posix_file_system.h"
#include "robot/clock.h"
#include "robot/store_check.h"
#include "robot/store_layout.h"
#include "robot/submission.h"
#include "robot/submission_db.h"
#include "robot/upload_reading.h"

namespace robot {

// Keeps every submission: the accepted log's version in the history, as the
// call's current log and as a database row; a refused one in the history (up
// to a limit) and as a row.
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
  // Keeps the first `keepAtMost` bytes of `text`; the row records all of it.
  Submission refuse(std::string_view text, const std::string& call, const std::string& reason,
                    std::size_t keepAtMost);
  // The call's current version when it holds `text` byte for byte: an upload
  // sent again, which needs no storing.
  std::optional<Submission> currentCopy(const std::string& call, std::string_view text) const;

  std::vector<Submission> submissions() const;
  // The row of `receipt`; empty when there is none.
  std::optional<Submission> find(const std::string& receipt) const;
  // The accepted submission of `receipt`; empty for a refused or unknown one.
  std::optional<Submission> accepted(const std::string& receipt) const;
  SubmissionPage submissionPage(std::int64_t offset, std::int64_t limit) const;
  // The text kept under `receipt`, accepted or refused; empty for a receipt of none.
  std::optional<std::string> storedVersion(const std::string& receipt) const;
  // Where the folder, the history and the rows disagree (findDifferences).
  std::vector<std::string> differences(CheckDepth depth) const;
  const StoreLayout& layout() const { return layout_; }

 private:
  // A new receipt for `text`, with the time it is taken at.
  Submission describe(std::string_view text);
  // Puts `text` in place as the call's current log and adds its row.
  void keepAsCurrent(const Submission& submission, std::string_view text);
  // Writes `kept` to the history, then `add`s the row; no copy is left when
  // either fails.
  void keepInHistory(const Submission& submission, std::string_view kept,
                     const std::function<void()>& add);

  files::FileSystem& files_;
  StoreLayout layout_;
  Clock clock_;
  mutable std::mutex mutex_;
  SubmissionDb db_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_LOG_STORE_H_
