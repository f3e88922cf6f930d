#ifndef ZVK_IMPORT_INPUT_ERROR_H_
#define ZVK_IMPORT_INPUT_ERROR_H_

#include <string>
#include <vector>

#include "errors/tool_error.h"

namespace imports {

// Where and why a log cannot be read, as data: one problem of a log.
struct LogFileError {
  std::string file;
  int line = 0;       // 0 when the fault is not on one line
  std::string field;  // "QSO_DATE"; empty when no one field is at fault
  std::string reason;

  // The field and the reason: "QSO_DATE: ...".
  std::string message() const;
};

// Every problem of one log, in the order the reader met them.
using LogProblems = std::vector<LogFileError>;

// The error the tools throw for `problem`: bad input, its message
// "log.adi:12: QSO_DATE: ...".
errors::ToolError inputError(const LogFileError& problem);

// The problem a thrown error of the tools names.
LogFileError problemOf(const errors::ToolError& error);

}  // namespace imports

#endif  // ZVK_IMPORT_INPUT_ERROR_H_
