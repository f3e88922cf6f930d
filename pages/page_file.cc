#include "pages/page_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace pages {
namespace {

[[noreturn]] void failWriting(const std::string& path, int error) {
  throw std::runtime_error(path + ": cannot write the page: " + std::strerror(error));
}

}  // namespace

void writePageFile(const std::string& path, const std::string& document) {
  std::string partial = path + ".partial";
  std::FILE* file = std::fopen(partial.c_str(), "wb");
  if (file == nullptr) failWriting(path, errno);
  bool written = std::fwrite(document.data(), 1, document.size(), file) == document.size();
  int error = errno;
  if (std::fclose(file) != 0 && written) {
    written = false;
    error = errno;
  }
  if (written && std::rename(partial.c_str(), path.c_str()) == 0) return;
  if (written) error = errno;
  std::remove(partial.c_str());
  failWriting(path, error);
}

}  // namespace pages
