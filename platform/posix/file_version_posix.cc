#include <string>

#include "platform/pe_version.h"
#include "platform/posix/file_io.h"
#include "platform/posix/posix_env.h"

namespace platform {
namespace {

// Larger files are not taken for program files, so a stray huge match cannot exhaust memory.
constexpr std::size_t kMaxProgramFileSize = 256u << 20;

}  // namespace

bool PosixEnv::readFileVersion(const char* path, std::uint32_t* versionMs,
                               std::uint32_t* versionLs) {
  std::string image;
  return readWholeFile(nativePath(path), &image, kMaxProgramFileSize) &&
         findPeFileVersion(image, versionMs, versionLs);
}

}  // namespace platform
