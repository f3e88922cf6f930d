#include "robot/sqlite_file.h"

#include <sqlite3.h>

#include "errors/tool_error.h"

namespace robot {
namespace {

sqlite3* openFile(const std::string& path) {
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
    std::string reason = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    throw errors::ToolError(errors::ErrorKind::kIo, {path, 0, ""},
                            "cannot open the database: " + reason);
  }
  return db;
}

}  // namespace

SqliteFile::SqliteFile(const std::string& path, const char* schema)
    : path_(path), db_(openFile(path), &sqlite3_close) {
  execute("PRAGMA journal_mode=WAL");
  execute("PRAGMA synchronous=NORMAL");
  execute(schema);
}

void SqliteFile::fail(const std::string& reason) const {
  throw errors::ToolError(errors::ErrorKind::kIo, {path_, 0, ""}, reason);
}

void SqliteFile::execute(const char* sql) const {
  char* error = nullptr;
  if (sqlite3_exec(db_.get(), sql, nullptr, nullptr, &error) != SQLITE_OK) {
    std::string reason = error ? error : "unknown error";
    sqlite3_free(error);
    fail(reason);
  }
}

Statement SqliteFile::prepare(const char* sql) const {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db_.get(), sql, -1, &raw, nullptr) != SQLITE_OK) {
    fail(sqlite3_errmsg(db_.get()));
  }
  return Statement(raw, &sqlite3_finalize);
}

void SqliteFile::finish(sqlite3_stmt* statement, const std::string& what) const {
  if (sqlite3_step(statement) != SQLITE_DONE) {
    fail("cannot " + what + ": " + sqlite3_errmsg(db_.get()));
  }
}

std::string textColumn(sqlite3_stmt* row, int index) {
  const unsigned char* text = sqlite3_column_text(row, index);
  return text ? reinterpret_cast<const char*>(text) : "";
}

}  // namespace robot
