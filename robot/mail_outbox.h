#ifndef ZVK_ROBOT_MAIL_OUTBOX_H_
#define ZVK_ROBOT_MAIL_OUTBOX_H_

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "import/utc_time.h"
#include "robot/sqlite_file.h"

namespace robot {

enum class MailState { kWaiting, kSent, kFailed };
// "waiting", "sent" or "failed", as the database and the pages say it.
const char* mailStateName(MailState state);

// A receipt's mail and what has become of it.
struct OutboxMail {
  std::string receipt;
  std::string address;
  std::string message;  // the whole text as the relay takes it
  imports::UnixTime queued = 0;
  MailState state = MailState::kWaiting;
  int attempts = 0;
  imports::UnixTime nextAttempt = 0;  // while waiting
  imports::UnixTime sent = 0;         // once sent
  std::string lastError;
};

// The mails to send, in a database file of their own, so that they survive a
// restart and sending never waits for the submissions' database or it for
// sending. Safe to use from many threads.
class MailOutbox {
 public:
  // Throws errors::ToolError (kIo), as every method does.
  explicit MailOutbox(const std::string& path);

  void add(const std::string& receipt, const std::string& address, const std::string& message,
           imports::UnixTime now);
  // The waiting mails whose next attempt is at `now` or before, oldest first.
  std::vector<OutboxMail> due(imports::UnixTime now) const;
  // The earliest next attempt of a waiting mail.
  std::optional<imports::UnixTime> nextAttempt() const;
  void recordSent(const std::string& receipt, imports::UnixTime now);
  // A failed attempt: tried again at `retryAt`, or never when unset.
  void recordFailure(const std::string& receipt, const std::string& error,
                     std::optional<imports::UnixTime> retryAt);
  // Every mail, oldest first, without its message text.
  std::vector<OutboxMail> all() const;

 private:
  mutable std::mutex mutex_;
  SqliteFile db_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_MAIL_OUTBOX_H_
