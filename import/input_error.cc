#include "import/input_error.h"

#include <utility>

namespace imports {

std::string describe(const LogFileError& error) {
  std::string text = error.file;
  if (error.line > 0) text += ":" + std::to_string(error.line);
  return text + ": " + error.message;
}

InputError::InputError(const std::string& file, int line, const std::string& field,
                       const std::string& message)
    : InputError(LogFileError{file, line, field.empty() ? message : field + ": " + message}) {}

InputError::InputError(LogFileError error)
    : std::runtime_error(describe(error)), error_(std::move(error)) {}

}  // namespace imports
