#include "cli/input_error.h"

namespace cli {
namespace {

std::string describe(const std::string& file, int line, const std::string& field,
                     const std::string& message) {
  std::string text = file;
  if (line > 0) text += ":" + std::to_string(line);
  text += ": ";
  if (!field.empty()) text += field + ": ";
  return text + message;
}

}  // namespace

InputError::InputError(const std::string& file, int line, const std::string& field,
                       const std::string& message)
    : std::runtime_error(describe(file, line, field, message)) {}

}  // namespace cli
