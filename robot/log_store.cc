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
Submission LogStore::accept(std::string_view text, const LogFacts& facts, std::string_view sent) {
  Submission submission = describe(text);
  submission.call = facts.call;
  submission.category = facts.category;
  submission.qsos = facts.qsos;
  submission.claimedByRules = facts.claimedByRules;
  submission.claimedScore = facts.claimedScore;
  submission.accepted = true;
  submission.historyBytes = submission.size;
  const std::string sentCopy = layout_.sentHistory(submission.receipt);
  const bool corrected = !sent.empty() && sent != text;
  if (corrected) files::writeNewDurably(files_, sentCopy, sent, layout_.scratchDir());
  try {
    keepInHistory(submission, text, [&] { keepAsCurrent(submission, text); });
  } catch (...) {
    if (corrected) files::removeQuietly(files_, sentCopy);
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

// The copy is written as a new file before the try: a clash leaves the
// copy already there, which is another upload's, as it was.
void LogStore::keepInHistory(const Submission& submission, std::string_view kept,
                             const std::function<void()>& add) {
  const std::string history = layout_.history(submission.receipt);
  files::writeNewDurably(files_, history, kept, layout_.scratchDir());
  try {
    add();
  } catch (...) {
    files::removeQuietly(files_, history);
    throw;
  }
}

Submission LogStore::refuse(std::string_view text, const std::string& call,
                            const std::string& reason, std::size_t keepAtMost) {
  Submission submission = describe(text);
  submission.call = call;
  submission.reason = reason;
  const std::string_view kept = text.substr(0, keepAtMost);
  submission.historyBytes = static_cast<std::int64_t>(kept.size());
  keepInHistory(submission, kept, [&] {
    std::lock_guard<std::mutex> lock(mutex_);
    db_.add(submission);
  });
  return submission;
}

std::optional<Submission> LogStore::currentCopy(const std::string& call,
                                                std::string_view text) const {
  std::optional<Submission> current;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    current = db_.current(call);
  }
  const auto size = static_cast<std::int64_t>(text.size());
  if (!current || current->size != size || current->sha256 != sha256Hex(text)) return std::nullopt;
  return current;
}

std::vector<Submission> LogStore::submissions() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return db_.all();
}

SubmissionPage LogStore::submissionPage(std::int64_t offset, std::int64_t limit) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return db_.page(offset, limit);
}

std::vector<std::string> LogStore::differences(CheckDepth depth) const {
  return findDifferences(layout_, submissions(), depth, files_);
}

std::optional<Submission> LogStore::find(const std::string& receipt) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return db_.find(receipt);
}

std::optional<Submission> LogStore::accepted(const std::string& receipt) const {
  std::optional<Submission> found = find(receipt);
  if (found && found->accepted) return found;
  return std::nullopt;
}

std::optional<std::string> LogStore::storedVersion(const std::string& receipt) const {
  // Only a receipt found in the database names a file: never a path from outside.
  const std::optional<Submission> submission = find(receipt);
  if (!submission || !submission->historyBytes) return std::nullopt;
  try {
    return files_.readWhole(layout_.history(submission->receipt));
  } catch (const errors::ToolError&) {
    // A version gone from the history is as if never kept; the start-up check names it.
    return std::nullopt;
  }
}

}  // namespace robot
