#include "files/io_error.h"

#include <cstring>

namespace files {

errors::ToolError ioError(const std::string& path, const std::string& operation, int error) {
  return errors::ToolError(errors::ErrorKind::kIo, {path, 0, operation}, std::strerror(error));
}

}  // namespace files
