#include "import/input_error.h"

namespace imports {

std::string LogFileError::message() const { return field.empty() ? reason : field + ": " + reason; }

errors::ToolError inputError(const LogFileError& problem) {
  return errors::ToolError(errors::ErrorKind::kBadInput,
                           {problem.file, problem.line, problem.field}, problem.reason);
}

LogFileError problemOf(const errors::ToolError& error) {
  const errors::ErrorPlace& place = error.place();
  return {place.file, place.line, place.what, error.reason()};
}

}  // namespace imports
