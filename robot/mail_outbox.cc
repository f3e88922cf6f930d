#include "robot/mail_outbox.h"

#include <sqlite3.h>

namespace robot {
namespace {

constexpr char kSchema[] =
    "CREATE TABLE IF NOT EXISTS outbox ("
    " receipt TEXT PRIMARY KEY, address TEXT NOT NULL, message TEXT NOT NULL,"
    " queued INTEGER NOT NULL,"
    " state TEXT NOT NULL CHECK (state IN ('waiting', 'sent', 'failed')),"
    " attempts INTEGER NOT NULL, next_attempt INTEGER NOT NULL, sent INTEGER NOT NULL,"
    " last_error TEXT NOT NULL)";
constexpr char kInsert[] = "INSERT INTO outbox VALUES (?1, ?2, ?3, ?4, 'waiting', 0, ?4, 0, '')";
// With ?1 the waiting mails due by then, with their texts; without it every
// mail, without the texts the page does not need.
constexpr char kSelect[] =
    "SELECT receipt, address, CASE WHEN ?1 IS NULL THEN '' ELSE message END, queued, state,"
    " attempts, next_attempt, sent, last_error FROM outbox"
    " WHERE ?1 IS NULL OR (state = 'waiting' AND next_attempt <= ?1) ORDER BY rowid";
constexpr char kNextAttempt[] = "SELECT MIN(next_attempt) FROM outbox WHERE state = 'waiting'";
constexpr char kSent[] =
    "UPDATE outbox SET state = 'sent', attempts = attempts + 1, sent = ?2, last_error = ''"
    " WHERE receipt = ?1";
constexpr char kFailure[] =
    "UPDATE outbox SET state = ?2, attempts = attempts + 1, next_attempt = ?3,"
    " last_error = ?4 WHERE receipt = ?1";
constexpr char kStates[][8] = {"waiting", "sent", "failed"};

MailState stateOf(const std::string& text) {
  for (MailState state : {MailState::kSent, MailState::kFailed}) {
    if (text == mailStateName(state)) return state;
  }
  return MailState::kWaiting;
}

OutboxMail readMail(sqlite3_stmt* row) {
  OutboxMail mail;
  mail.receipt = textColumn(row, 0);
  mail.address = textColumn(row, 1);
  mail.message = textColumn(row, 2);
  mail.queued = sqlite3_column_int64(row, 3);
  mail.state = stateOf(textColumn(row, 4));
  mail.attempts = sqlite3_column_int(row, 5);
  mail.nextAttempt = sqlite3_column_int64(row, 6);
  mail.sent = sqlite3_column_int64(row, 7);
  mail.lastError = textColumn(row, 8);
  return mail;
}

void bindText(sqlite3_stmt* statement, int index, const std::string& text) {
  sqlite3_bind_text(statement, index, text.c_str(), -1, SQLITE_TRANSIENT);
}

std::vector<OutboxMail> select(const SqliteFile& db, std::optional<imports::UnixTime> due) {
  Statement select = db.prepare(kSelect);
  if (due) sqlite3_bind_int64(select.get(), 1, *due);
  std::vector<OutboxMail> mails;
  while (sqlite3_step(select.get()) == SQLITE_ROW) mails.push_back(readMail(select.get()));
  return mails;
}

}  // namespace

const char* mailStateName(MailState state) { return kStates[static_cast<int>(state)]; }

MailOutbox::MailOutbox(const std::string& path) : db_(path, kSchema) {}

void MailOutbox::add(const std::string& receipt, const std::string& address,
                     const std::string& message, imports::UnixTime now) {
  std::lock_guard<std::mutex> lock(mutex_);
  Statement insert = db_.prepare(kInsert);
  bindText(insert.get(), 1, receipt);
  bindText(insert.get(), 2, address);
  bindText(insert.get(), 3, message);
  sqlite3_bind_int64(insert.get(), 4, now);
  db_.finish(insert.get(), "queue the mail of receipt " + receipt);
}

std::vector<OutboxMail> MailOutbox::due(imports::UnixTime now) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return select(db_, now);
}

std::optional<imports::UnixTime> MailOutbox::nextAttempt() const {
  std::lock_guard<std::mutex> lock(mutex_);
  Statement select = db_.prepare(kNextAttempt);
  if (sqlite3_step(select.get()) != SQLITE_ROW) return std::nullopt;
  if (sqlite3_column_type(select.get(), 0) == SQLITE_NULL) return std::nullopt;
  return sqlite3_column_int64(select.get(), 0);
}

void MailOutbox::recordSent(const std::string& receipt, imports::UnixTime now) {
  std::lock_guard<std::mutex> lock(mutex_);
  Statement update = db_.prepare(kSent);
  bindText(update.get(), 1, receipt);
  sqlite3_bind_int64(update.get(), 2, now);
  db_.finish(update.get(), "mark the mail of receipt " + receipt + " sent");
}

void MailOutbox::recordFailure(const std::string& receipt, const std::string& error,
                               std::optional<imports::UnixTime> retryAt) {
  std::lock_guard<std::mutex> lock(mutex_);
  Statement update = db_.prepare(kFailure);
  bindText(update.get(), 1, receipt);
  bindText(update.get(), 2, mailStateName(retryAt ? MailState::kWaiting : MailState::kFailed));
  sqlite3_bind_int64(update.get(), 3, retryAt.value_or(0));
  bindText(update.get(), 4, error);
  db_.finish(update.get(), "record the mail of receipt " + receipt + " as not sent");
}

std::vector<OutboxMail> MailOutbox::all() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return select(db_, std::nullopt);
}

}  // namespace robot
