#include "platform/stdio_file.h"

namespace platform {

bool StdioFile::write(const char* data, std::size_t size) {
  if (!file_) return false;
  bool written = std::fwrite(data, 1, size, file_) == size && std::fflush(file_) == 0;
  failed_ = failed_ || !written;
  return written;
}

bool StdioFile::close() {
  if (!file_) return !failed_;
  failed_ = (std::fclose(file_) != 0) || failed_;
  file_ = nullptr;
  return !failed_;
}

}  // namespace platform
