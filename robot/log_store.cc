#include "robot/log_store.h"

#include "errors/tool_error.h"
#include "files/whole_file.h"
#include "import/utc_time.h"
#include "robot/receipt_code.h"
#include "robot/sha256.h"

namespace robot {
namespace {

StoreLayout createdLayout(const std::string& dir, files::FileSystem& files) {
  StoreLayout layout(dir);
  layout.create(files);
  return layout;
}

}  // namespace

LogStore::LogStore(const std::string& dir, Clock clock, files::FileSystem& files)
    : files_(files),
      layout_(createdLayout(dir, files)),
      clock_(std::move(clock)),
      db_(layout_.database()) {}

Submission LogStore::describe(std::string_view text) {
  Submission submission;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    submission.received = clock_();
  }
  submission.receipt = newReceiptCode(submission.received);
  submission.size = static_cast<std::int64_t>(text.size());
  submission.sha256 = sha256Hex(text);
  return submission;
}

// The files reach the disk outside the lock, so that uploads write at once;
// only the rename and the row are ordered. History first, then the current
// file, then the row: a crash between them leaves a version no row names
// yet, which the start-up check reports. A failure before the row takes the
// history copy back. A history copy is never replaced: a code drawn twice
// fails the upload, which keeps nothing.
Submission LogStore::accept(std::string_view text, const LogFacts& facts) {
  Submission submission = describe(text);
  submission.call = facts.call;
  submission.category = facts.category;
  submission.qsos = facts.qsos;
  submission.claimedByRules = facts.claimedByRules;
  submission.claimedScore = facts.claimedScore;
  submission.accepted = true;
  const std::string history = layout_.history(submission.receipt);
  files::writeNewDurably(files_, history, text, layout_.scratchDir());
  try {
    keepAsCurrent(submission, text);
  } catch (...) {
    files::removeQuietly(files_, history);
    throw;
  }
  files_.syncFolder(layout_.dir());
  return submission;
}

void LogStore::keepAsCurrent(const Submission& submission, std::string_view text) {
  const std::string scratch = files::writeScratch(files_, layout_.scratchDir(), text);
  std::lock_guard<std::mutex> lock(mutex_);
  files::moveIntoPlace(files_, scratch, layout_.current(submission.call));
  db_.add(submission);
}

Submission LogStore::refuse(std::string_view text, const std::string& call,
                            const std::string& reason) {
  Submission submission = describe(text);
  submission.call = call;
  submission.reason = reason;
  std::lock_guard<std::mutex> lock(mutex_);
  db_.add(submission);
  return submission;
}

std::vector<Submission> LogStore::submissions() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return db_.all();
}

SubmissionPage LogStore::submissionPage(std::int64_t offset, std::int64_t limit) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return db_.page(offset, limit);
}

std::optional<Submission> LogStore::accepted(const std::string& receipt) const {
  std::optional<Submission> found;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    found = db_.find(receipt);
  }
  if (found && found->accepted) return found;
  return std::nullopt;
}

std::optional<std::string> LogStore::storedVersion(const std::string& receipt) const {
  // Only a receipt found in the database names a file: never a path from outside.
  const std::optional<Submission> submission = accepted(receipt);
  if (!submission) return std::nullopt;
  try {
    return files_.readWhole(layout_.history(submission->receipt));
  } catch (const errors::ToolError&) {
    // A version gone from the history is as if never kept; the start-up check names it.
    return std::nullopt;
  }
}

}  // namespace robot
