#ifndef ZVK_ROBOT_SQLITE_FILE_H_
#define ZVK_ROBOT_SQLITE_FILE_H_

#include <memory>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace robot {

using Statement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

// A SQLite database file in write-ahead log mode; every failure is an
// errors::ToolError (kIo) naming the file.
class SqliteFile {
 public:
  // Opens or creates `path` and runs `schema`.
  SqliteFile(const std::string& path, const char* schema);

  void execute(const char* sql) const;
  Statement prepare(const char* sql) const;
  // Runs a statement that returns no rows; `what` names it in the error.
  void finish(sqlite3_stmt* statement, const std::string& what) const;
  [[noreturn]] void fail(const std::string& reason) const;

 private:
  std::string path_;
  std::unique_ptr<sqlite3, int (*)(sqlite3*)> db_;
};

// A text column, empty for NULL.
std::string textColumn(sqlite3_stmt* row, int index);

}  // namespace robot

#endif  // ZVK_ROBOT_SQLITE_FILE_H_
