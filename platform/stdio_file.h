#ifndef ZVK_PLATFORM_STDIO_FILE_H_
#define ZVK_PLATFORM_STDIO_FILE_H_

#include <cstdio>

#include "platform/env.h"

namespace platform {

// A C stream opened by a backend, owned and closed as a WritableFile. Every
// write is flushed, and a failed write or close is remembered for close().
class StdioFile : public WritableFile {
 public:
  explicit StdioFile(std::FILE* file) : file_(file) {}
  ~StdioFile() override { close(); }
  StdioFile(const StdioFile&) = delete;
  StdioFile& operator=(const StdioFile&) = delete;

  bool write(const char* data, std::size_t size) override;
  bool close() override;

 private:
  std::FILE* file_;
  bool failed_ = false;
};

}  // namespace platform

#endif  // ZVK_PLATFORM_STDIO_FILE_H_
