#ifndef ZVK_ROBOT_SUBMISSION_DB_H_
#define ZVK_ROBOT_SUBMISSION_DB_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "robot/submission.h"

struct sqlite3;
struct sqlite3_stmt;

namespace robot {

// A row, and whether it is the current version of its call.
struct ListedSubmission {
  Submission submission;
  bool current = false;
};

// A stretch of the rows, and how many there are in all.
struct SubmissionPage {
  std::vector<ListedSubmission> rows;
  std::int64_t total = 0;
};

// The database of every submission, one row each, in SQLite's write-ahead
// log mode: a row is there whole once add() returns, after any crash. Not
// shared between threads: the caller serialises.
class SubmissionDb {
 public:
  // Opens or creates the database file `path`, bringing a database of an
  // older robot up to date. Throws errors::ToolError (kIo).
  explicit SubmissionDb(const std::string& path);

  // Adds the row; throws errors::ToolError (kIo: a receipt that is there already, a full disk).
  void add(const Submission& submission);
  // Every row in the order added.
  std::vector<Submission> all() const;
  // The row of `receipt`; empty when there is none.
  std::optional<Submission> find(const std::string& receipt) const;
  // The latest accepted row of `call`, if any.
  std::optional<Submission> current(const std::string& call) const;
  // Up to `limit` rows from the `offset`th on, in the order added, so a
  // page keeps its rows as more arrive.
  SubmissionPage page(std::int64_t offset, std::int64_t limit) const;

 private:
  using Statement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

  void execute(const char* sql) const;
  void migrate() const;
  Statement prepare(const std::string& sql) const;
  // The first row `sql` selects with `value` bound to its parameter.
  std::optional<Submission> first(const std::string& sql, const std::string& value) const;
  std::int64_t count() const;

  std::string path_;
  std::unique_ptr<sqlite3, int (*)(sqlite3*)> db_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_SUBMISSION_DB_H_
