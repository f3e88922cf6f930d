#include "robot/log_store.h"

#include <cstdio>

#include "errors/tool_error.h"
#include "files/whole_file.h"
#include "import/utc_time.h"
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
      db_(layout_.database()),
      random_(std::random_device()()) {}

// "20261208-201506-3FA9C1": sorts by time, and the random part keeps two of
// one second apart, also across restarts.
Submission LogStore::describe(std::string_view text) {
  constexpr unsigned kRandomDigits = 6;
  Submission submission;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    submission.received = clock_();
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "-%06llX",
                  static_cast<unsigned long long>(random_() & ((1ULL << (4 * kRandomDigits)) - 1)));
    submission.receipt = imports::formatCompactUtc(submission.received) + suffix;
  }
  submission.size = static_cast<std::int64_t>(text.size());
  submission.sha256 = sha256Hex(text);
  return submission;
}

// The files reach the disk outside the lock, so that uploads write at once;
// only the rename and the row are ordered. History first, then the current
// file, then the row: a crash between them leaves a version no row names
// yet, which the start-up check reports. A failure before the row takes the
// history copy back.
Submission LogStore::accept(std::string_view text, const LogFacts& facts, std::string_view sent) {
  Submission submission = describe(text);
  submission.call = facts.call;
  submission.category = facts.category;
  submission.qsos = facts.qsos;
  submission.claimedByRules = facts.claimedByRules;
  submission.claimedScore = facts.claimedScore;
  submission.accepted = true;
  const std::string history = layout_.history(submission.receipt);
  const std::string sentCopy = layout_.sentHistory(submission.receipt);
  const bool corrected = !sent.empty() && sent != text;
  try {
    if (corrected) files::writeDurably(files_, sentCopy, sent, layout_.scratchDir());
    files::writeDurably(files_, history, text, layout_.scratchDir());
    keepAsCurrent(submission, text);
  } catch (...) {
    files::removeQuietly(files_, history);
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

std::optional<std::string> LogStore::storedVersion(const std::string& receipt) const {
  for (const Submission& submission : submissions()) {
    if (submission.receipt != receipt || !submission.accepted) continue;
    try {
      return files_.readWhole(layout_.history(submission.receipt));
    } catch (const errors::ToolError&) {
      // A version gone from the history is as if never kept; the start-up check names it.
    }
  }
  return std::nullopt;
}

}  // namespace robot
