#ifndef ZVK_ERRORS_TOOL_ERROR_H_
#define ZVK_ERRORS_TOOL_ERROR_H_

#include <stdexcept>
#include <string>

namespace errors {

// What went wrong, as the commands answer it with an exit code.
enum class ErrorKind {
  kBadInput,       // a log cannot be read as what it should be
  kBadDefinition,  // the organiser's setup is wrong: the definition, overrides or key file
  kBadUsage,       // the command line is wrong
  kIo,             // the machine could not read or write a file
};

// Where a fault is: a file, a line in it (0: the file as a whole) and the
// field or the operation that failed ("QSO_DATE", "rename").
struct ErrorPlace {
  std::string file;
  int line = 0;
  std::string what;
};

// The one error the tools throw. Its message reads
// "file:line: what: reason", leaving out the parts that are empty.
class ToolError : public std::runtime_error {
 public:
  ToolError(ErrorKind kind, ErrorPlace place, const std::string& reason);

  ErrorKind kind() const { return kind_; }
  const ErrorPlace& place() const { return place_; }
  const std::string& reason() const { return reason_; }

 private:
  ErrorKind kind_;
  ErrorPlace place_;
  std::string reason_;
};

// The message a ToolError of this place and reason carries.
std::string describe(const ErrorPlace& place, const std::string& reason);

// The process exit code for each kind, as the commands have always answered:
// 1 bad input, 2 a bad command line or setup, 3 I/O.
int exitCodeOf(ErrorKind kind);

}  // namespace errors

#endif  // ZVK_ERRORS_TOOL_ERROR_H_
