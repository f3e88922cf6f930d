#include "errors/tool_error.h"

#include <utility>

namespace errors {

std::string describe(const ErrorPlace& place, const std::string& reason) {
  std::string text = place.file;
  if (place.line > 0) text += ":" + std::to_string(place.line);
  if (!place.what.empty()) text += (text.empty() ? "" : ": ") + place.what;
  return text + (text.empty() ? "" : ": ") + reason;
}

ToolError::ToolError(ErrorKind kind, ErrorPlace place, const std::string& reason)
    : std::runtime_error(describe(place, reason)),
      kind_(kind),
      place_(std::move(place)),
      reason_(reason) {}

int exitCodeOf(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::kBadInput:
      return 1;
    case ErrorKind::kBadDefinition:
    case ErrorKind::kBadUsage:
      return 2;
    case ErrorKind::kIo:
      return 3;
  }
  return 3;
}

}  // namespace errors
