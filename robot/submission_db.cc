#include "robot/submission_db.h"

#include <sqlite3.h>

#include "errors/tool_error.h"
#include "robot/sqlite_file.h"

namespace robot {
namespace {

constexpr char kSchema[] =
    "CREATE TABLE IF NOT EXISTS submissions ("
    " receipt TEXT PRIMARY KEY, call TEXT NOT NULL, category TEXT NOT NULL,"
    " received INTEGER NOT NULL, size INTEGER NOT NULL, sha256 TEXT NOT NULL,"
    " qsos INTEGER NOT NULL, claimed_by_rules INTEGER NOT NULL, claimed_score INTEGER,"
    " outcome TEXT NOT NULL CHECK (outcome IN ('accepted', 'refused')), reason TEXT NOT NULL,"
    " history_bytes INTEGER)";
// A database of a robot that kept no refused text: its accepted rows kept all.
constexpr char kAddHistoryBytes[] =
    "BEGIN; ALTER TABLE submissions ADD COLUMN history_bytes INTEGER;"
    " UPDATE submissions SET history_bytes = size WHERE outcome = 'accepted'; COMMIT";
constexpr char kHasHistoryBytes[] =
    "SELECT 1 FROM pragma_table_info('submissions') WHERE name = 'history_bytes'";
constexpr char kIndex[] =
    "CREATE INDEX IF NOT EXISTS submissions_by_call ON submissions (call, outcome)";
constexpr char kInsert[] =
    "INSERT INTO submissions (receipt, call, category, received, size, sha256, qsos,"
    " claimed_by_rules, claimed_score, outcome, reason, history_bytes)"
    " VALUES (?,?,?,?,?,?,?,?,?,?,?,?)";
constexpr char kColumns[] =
    "SELECT receipt, call, category, received, size, sha256, qsos, claimed_by_rules,"
    " claimed_score, outcome, reason, history_bytes";
constexpr char kFromSubmissions[] = " FROM submissions ";
constexpr char kAll[] = "ORDER BY rowid";
constexpr char kOfReceipt[] = "WHERE receipt = ?";
constexpr char kCurrent[] = "WHERE call = ? AND outcome = 'accepted' ORDER BY rowid DESC LIMIT 1";
// The current version of a call is its accepted row added last.
constexpr char kIsCurrent[] =
    ", outcome = 'accepted' AND rowid = (SELECT max(rowid) FROM submissions AS later"
    " WHERE later.call = submissions.call AND later.outcome = 'accepted')";
constexpr char kPage[] = "ORDER BY rowid LIMIT ? OFFSET ?";
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

std::optional<std::int64_t> optionalColumn(sqlite3_stmt* row, int index) {
  if (sqlite3_column_type(row, index) == SQLITE_NULL) return std::nullopt;
  return sqlite3_column_int64(row, index);
}

void bindOptional(sqlite3_stmt* insert, int index, const std::optional<std::int64_t>& value) {
  if (value) {
    sqlite3_bind_int64(insert, index, *value);
  } else {
    sqlite3_bind_null(insert, index);
  }
}

Submission readRow(sqlite3_stmt* row) {
  Submission s;
  s.receipt = textColumn(row, 0);
  s.call = textColumn(row, 1);
  s.category = textColumn(row, 2);
  s.received = sqlite3_column_int64(row, 3);
  s.size = sqlite3_column_int64(row, 4);
  s.sha256 = textColumn(row, 5);
  s.qsos = sqlite3_column_int(row, 6);
  s.claimedByRules = sqlite3_column_int64(row, 7);
  s.claimedScore = optionalColumn(row, 8);
  s.accepted = textColumn(row, 9) == kAccepted;
  s.reason = textColumn(row, 10);
  s.historyBytes = optionalColumn(row, 11);
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
  bindOptional(insert, 9, s.claimedScore);
  sqlite3_bind_text(insert, 10, s.accepted ? kAccepted : kRefused, -1, SQLITE_STATIC);
  sqlite3_bind_text(insert, 11, s.reason.c_str(), -1, SQLITE_TRANSIENT);
  bindOptional(insert, 12, s.historyBytes);
}

}  // namespace

SubmissionDb::SubmissionDb(const std::string& path)
    : path_(path), db_(openDb(path), &sqlite3_close) {
  execute("PRAGMA journal_mode=WAL");
  // A row survives a killed process at once, a machine's crash once the log
  // is checkpointed; the versions themselves are synced before their row.
  execute("PRAGMA synchronous=NORMAL");
  execute(kSchema);
  migrate();
  execute(kIndex);
}

void SubmissionDb::migrate() const {
  Statement has = prepare(kHasHistoryBytes);
  if (sqlite3_step(has.get()) != SQLITE_ROW) execute(kAddHistoryBytes);
}

void SubmissionDb::execute(const char* sql) const {
  char* error = nullptr;
  if (sqlite3_exec(db_.get(), sql, nullptr, nullptr, &error) != SQLITE_OK) {
    std::string reason = error ? error : "unknown error";
    sqlite3_free(error);
    sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
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
  Statement select = prepare(std::string(kColumns) + kFromSubmissions + kAll);
  std::vector<Submission> rows;
  while (sqlite3_step(select.get()) == SQLITE_ROW) rows.push_back(readRow(select.get()));
  return rows;
}

std::optional<Submission> SubmissionDb::find(const std::string& receipt) const {
  return first(std::string(kColumns) + kFromSubmissions + kOfReceipt, receipt);
}

std::optional<Submission> SubmissionDb::current(const std::string& call) const {
  return first(std::string(kColumns) + kFromSubmissions + kCurrent, call);
}

std::optional<Submission> SubmissionDb::first(const std::string& sql,
                                              const std::string& value) const {
  Statement select = prepare(sql);
  sqlite3_bind_text(select.get(), 1, value.c_str(), -1, SQLITE_TRANSIENT);
  if (sqlite3_step(select.get()) != SQLITE_ROW) return std::nullopt;
  return readRow(select.get());
}

SubmissionPage SubmissionDb::page(std::int64_t offset, std::int64_t limit) const {
  Statement select = prepare(std::string(kColumns) + kIsCurrent + kFromSubmissions + kPage);
  sqlite3_bind_int64(select.get(), 1, limit);
  sqlite3_bind_int64(select.get(), 2, offset);
  SubmissionPage page;
  while (sqlite3_step(select.get()) == SQLITE_ROW) {
    page.rows.push_back({readRow(select.get()), sqlite3_column_int(select.get(), 12) != 0});
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
