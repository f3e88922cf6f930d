#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <time.h>

#include <cstdio>

#include "platform/no_destructor.h"
#include "platform/posix/posix_env.h"
#include "platform/stdio_file.h"

namespace platform {
namespace {

// A file without any write permission is read-only, as on Windows, even for
// root: the operator protected it, and truncating it would lose it.
bool isReadOnlyFile(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 0222) == 0;
}

}  // namespace

Env& Env::current() {
  static NoDestructor<PosixEnv> env;
  return env.get();
}

std::string nativePath(const char* path) {
  std::string native(path ? path : "");
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

int PosixEnv::showMessageBox(const char* text, const char* caption, unsigned, MessageOwner) {
  std::fprintf(stderr, "%s: %s\n", caption ? caption : "Error", text ? text : "");
  return 1;
}

std::vector<CString> PosixEnv::findFiles(const char* pattern) {
  std::vector<CString> names;
  DIR* directory = opendir(".");
  if (!directory) return names;
  while (const dirent* entry = readdir(directory)) {
    if (fnmatch(pattern, entry->d_name, FNM_CASEFOLD | FNM_PERIOD) == 0) {
      names.emplace_back(entry->d_name);
    }
  }
  closedir(directory);
  return names;
}

std::int64_t PosixEnv::nowUtcSeconds() { return static_cast<std::int64_t>(::time(nullptr)); }

std::unique_ptr<WritableFile> PosixEnv::openForWriting(const char* path, WriteMode mode) {
  std::string native = nativePath(path);
  if (native.empty() || isReadOnlyFile(native)) return nullptr;
  std::FILE* file = std::fopen(native.c_str(), mode == WriteMode::kAppend ? "ab" : "wb");
  if (!file) return nullptr;
  return std::make_unique<StdioFile>(file);
}

}  // namespace platform
