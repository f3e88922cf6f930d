#include "cabrillo/host_version.h"

#include <cstdint>
#include <cstring>

#include "cabrillo/cabrillo_texts.h"
#include "platform/text.h"

namespace cabrillo {
namespace {

// The directory search may also return names like "x.exec" or, on POSIX,
// ignore case: only the extension itself counts.
bool hasProgramExtension(const CString& fileName) {
  const int extensionLength = static_cast<int>(std::strlen(kProgramExtension));
  return fileName.GetLength() >= extensionLength &&
         platform::equalNoCase(fileName.Mid(fileName.GetLength() - extensionLength),
                               kProgramExtension);
}

bool isHostProgram(const CString& fileName) {
  return hasProgramExtension(fileName) && platform::findText(fileName, kHostName) != nullptr;
}

CString formatVersion(std::uint32_t versionMs, std::uint32_t versionLs) {
  const int major = static_cast<int>(versionMs >> 16);
  const int minor = static_cast<int>(versionMs & 0xFFFF);
  const int third = static_cast<int>(versionLs >> 16);
  CString text;
  if (major == 2) {
    text.Format("%d.%d", major, minor);
  } else {
    text.Format("%d.%d.%d", major, minor, third);
  }
  return text;
}

}  // namespace

CString FindHostVersion(platform::Env& env) {
  for (const CString& fileName : env.findFiles(kProgramPattern)) {
    if (!isHostProgram(fileName)) continue;
    std::uint32_t versionMs = 0;
    std::uint32_t versionLs = 0;
    if (!env.readFileVersion(fileName, &versionMs, &versionLs)) return CString();
    return formatVersion(versionMs, versionLs);
  }
  return CString();
}

}  // namespace cabrillo
