#include "robot/submission_db.h"

#include <sqlite3.h>

#include "errors/tool_error.h"

namespace robot {
namespace {

constexpr char kSchema[] =
    "CREATE TABLE IF NOT EXISTS submissions ("
    " receipt TEXT PRIMARY KEY, call TEXT NOT NULL, category TEXT NOT NULL,"
    " received INTEGER NOT NULL, size INTEGER NOT NULL, sha256 TEXT NOT NULL,"
    " qsos INTEGER NOT NULL, claimed_by_rules INTEGER NOT NULL, claimed_score INTEGER,"
    " outcome TEXT NOT NULL CHECK (outcome IN ('accepted', 'refused')), reason TEXT NOT NULL)";
constexpr char kInsert[] =
    "INSERT INTO submissions (receipt, call, category, received, size, sha256, qsos,"
    " claimed_by_rules, claimed_score, outcome, reason) VALUES (?,?,?,?,?,?,?,?,?,?,?)";
// The current version of a call is its accepted row added last.
constexpr char kByCall[] =
    "CREATE INDEX IF NOT EXISTS submissions_by_call ON submissions (call, outcome)";
constexpr char kSelect[] =
    "SELECT receipt, call, category, received, size, sha256, qsos, claimed_by_rules,"
    " claimed_score, outcome, reason FROM submissions";
constexpr char kInOrder[] = " ORDER BY rowid";
constexpr char kOfReceipt[] = " WHERE receipt = ?";
constexpr char kPage[] =
    "SELECT receipt, call, category, received, size, sha256, qsos, claimed_by_rules,"
    " claimed_score, outcome, reason, outcome = 'accepted' AND rowid = (SELECT max(rowid)"
    " FROM submissions AS later WHERE later.call = submissions.call AND"
    " later.outcome = 'accepted') FROM submissions ORDER BY rowid LIMIT ? OFFSET ?";
constexpr char kCount[] = "SELECT count(*) FROM submissions";
constexpr char kAccepted[] = "accepted";
constexpr char kRefused[] = "refused";

[[noreturn]] void fail(const std::string& path, const std::string& reason) {
  throw errors::ToolError(errors::ErrorKind::kIo, {path, 0, ""}, reason);
}

sqlite3* openDb(const std::string& path) {
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
    std::string reason = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    fail(path, "cannot open the database: " + reason);
  }
  return db;
}

std::string column(sqlite3_stmt* row, int index) {
  const unsigned char* text = sqlite3_column_text(row, index);
  return text ? reinterpret_cast<const char*>(text) : "";
}

Submission readRow(sqlite3_stmt* row) {
  Submission s;
  s.receipt = column(row, 0);
  s.call = column(row, 1);
  s.category = column(row, 2);
  s.received = sqlite3_column_int64(row, 3);
  s.size = sqlite3_column_int64(row, 4);
  s.sha256 = column(row, 5);
  s.qsos = sqlite3_column_int(row, 6);
  s.claimedByRules = sqlite3_column_int64(row, 7);
  if (sqlite3_column_type(row, 8) != SQLITE_NULL) s.claimedScore = sqlite3_column_int64(row, 8);
  s.accepted = column(row, 9) == kAccepted;
  s.reason = column(row, 10);
  return s;
}

void bindRow(sqlite3_stmt* insert, const Submission& s) {
  sqlite3_bind_text(insert, 1, s.receipt.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_text(insert, 2, s.call.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_text(insert, 3, s.category.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_int64(insert, 4, s.received);
  sqlite3_bind_int64(insert, 5, s.size);
  sqlite3_bind_text(insert, 6, s.sha256.c_str(), -1, SQLITE_TRANSIENT);
  sqlite3_bind_int(insert, 7, s.qsos);
  sqlite3_bind_int64(insert, 8, s.claimedByRules);
  if (s.claimedScore) {
    sqlite3_bind_int64(insert, 9, *s.claimedScore);
  } else {
    sqlite3_bind_null(insert, 9);
  }
  sqlite3_bind_text(insert, 10, s.accepted ? kAccepted : kRefused, -1, SQLITE_STATIC);
  sqlite3_bind_text(insert, 11, s.reason.c_str(), -1, SQLITE_TRANSIENT);
}

}  // namespace

SubmissionDb::SubmissionDb(const std::string& path)
    : path_(path), db_(openDb(path), &sqlite3_close) {
  execute("PRAGMA journal_mode=WAL");
  // A row survives a killed process at once, a machine's crash once the log
  // is checkpointed; the versions themselves are synced before their row.
  execute("PRAGMA synchronous=NORMAL");
  execute(kSchema);
  execute(kByCall);
}

void SubmissionDb::execute(const char* sql) const {
  char* error = nullptr;
  if (sqlite3_exec(db_.get(), sql, nullptr, nullptr, &error) != SQLITE_OK) {
    std::string reason = error ? error : "unknown error";
    sqlite3_free(error);
    fail(path_, reason);
  }
}

SubmissionDb::Statement SubmissionDb::prepare(const std::string& sql) const {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db_.get(), sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
    fail(path_, sqlite3_errmsg(db_.get()));
  }
  return Statement(raw, &sqlite3_finalize);
}

void SubmissionDb::add(const Submission& submission) {
  Statement insert = prepare(kInsert);
  bindRow(insert.get(), submission);
  if (sqlite3_step(insert.get()) != SQLITE_DONE) {
    fail(path_, "cannot add receipt " + submission.receipt + ": " + sqlite3_errmsg(db_.get()));
  }
}

std::vector<Submission> SubmissionDb::all() const {
  Statement select = prepare(std::string(kSelect) + kInOrder);
  std::vector<Submission> rows;
  while (sqlite3_step(select.get()) == SQLITE_ROW) rows.push_back(readRow(select.get()));
  return rows;
}

std::optional<Submission> SubmissionDb::find(const std::string& receipt) const {
  Statement select = prepare(std::string(kSelect) + kOfReceipt);
  sqlite3_bind_text(select.get(), 1, receipt.c_str(), -1, SQLITE_TRANSIENT);
  if (sqlite3_step(select.get()) != SQLITE_ROW) return std::nullopt;
  return readRow(select.get());
}

SubmissionPage SubmissionDb::page(std::int64_t offset, std::int64_t limit) const {
  Statement select = prepare(kPage);
  sqlite3_bind_int64(select.get(), 1, limit);
  sqlite3_bind_int64(select.get(), 2, offset);
  SubmissionPage page;
  while (sqlite3_step(select.get()) == SQLITE_ROW) {
    page.rows.push_back({readRow(select.get()), sqlite3_column_int(select.get(), 11) != 0});
  }
  page.total = count();
  return page;
}

std::int64_t SubmissionDb::count() const {
  Statement select = prepare(kCount);
  if (sqlite3_step(select.get()) != SQLITE_ROW) fail(path_, sqlite3_errmsg(db_.get()));
  return sqlite3_column_int64(select.get(), 0);
}

}  // namespace robot
