#include "files/whole_folder.h"

#include <unistd.h>

#include <filesystem>

namespace files {
namespace {

namespace fs = std::filesystem;

// The folder as an absolute path without a trailing separator.
fs::path targetOf(const std::string& dir) {
  fs::path target = fs::absolute(dir).lexically_normal();
  return target.has_filename() ? target : target.parent_path();
}

// A hidden name beside the target, in its parent folder, so that a rename
// moves it into place.
std::string besideTarget(const fs::path& target, const std::string& purpose) {
  return (target.parent_path() / ("." + target.filename().string() + purpose)).string();
}

template <typename Step>
void quietly(Step step) {
  try {
    step();
  } catch (const std::exception&) {
    // The caller is reporting the failure that led here.
  }
}

}  // namespace

void moveFolderIntoPlace(FileSystem& files, const std::string& from, const std::string& dir) {
  const fs::path target = targetOf(dir);
  std::string old;
  if (files.isFolder(target.string())) {
    old = besideTarget(target, ".old-" + std::to_string(getpid()));
    files.rename(target.string(), old);
  }
  try {
    files.rename(from, target.string());
  } catch (...) {
    if (!old.empty()) quietly([&] { files.rename(old, target.string()); });
    throw;
  }
  if (!old.empty()) quietly([&] { files.removeAll(old); });
}

void writeFolderWhole(FileSystem& files, const std::string& dir,
                      const std::function<void(const std::string&)>& fill) {
  const std::string temporary =
      files.makeUniqueFolder(besideTarget(targetOf(dir), ".tmp-"), FolderAccess::kAsUmaskAllows);
  try {
    fill(temporary);
    moveFolderIntoPlace(files, temporary, dir);
  } catch (...) {
    quietly([&] { files.removeAll(temporary); });
    throw;
  }
}

}  // namespace files
