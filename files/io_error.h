#ifndef ZVK_FILES_IO_ERROR_H_
#define ZVK_FILES_IO_ERROR_H_

#include <string>

#include "errors/tool_error.h"

namespace files {

// The error of a failed file operation: the path, what was being done
// ("cannot read") and the system's reason for the errno value `error`.
errors::ToolError ioError(const std::string& path, const std::string& operation, int error);

}  // namespace files

#endif  // ZVK_FILES_IO_ERROR_H_
