#include "files/whole_file.h"

#include <filesystem>
#include <memory>

namespace files {
namespace {

constexpr char kScratchPrefix[] = "write-";

std::string writeScratchNamed(FileSystem& files, const std::string& folder,
                              const std::string& prefix, std::string_view contents) {
  std::string path;
  std::unique_ptr<WritableFile> file = files.createUnique(folder, prefix, &path);
  try {
    file->append(contents);
    file->sync();
    file->close();
  } catch (...) {
    file.reset();
    removeQuietly(files, path);
    throw;
  }
  return path;
}

}  // namespace

void removeQuietly(FileSystem& files, const std::string& path) {
  try {
    files.remove(path);
  } catch (const std::exception&) {
    // What is left is named by the robot's start-up check.
  }
}

void writeFile(FileSystem& files, const std::string& path, std::string_view contents) {
  std::unique_ptr<WritableFile> file = files.create(path);
  file->append(contents);
  file->close();
}

std::string writeScratch(FileSystem& files, const std::string& folder, std::string_view contents) {
  return writeScratchNamed(files, folder, kScratchPrefix, contents);
}

void moveIntoPlace(FileSystem& files, const std::string& scratch, const std::string& path) {
  try {
    files.rename(scratch, path);
  } catch (...) {
    removeQuietly(files, scratch);
    throw;
  }
}

void writeDurably(FileSystem& files, const std::string& path, std::string_view contents,
                  const std::string& scratchFolder) {
  moveIntoPlace(files, writeScratch(files, scratchFolder, contents), path);
  files.syncFolder(folderOf(path));
}

void writeNewDurably(FileSystem& files, const std::string& path, std::string_view contents,
                     const std::string& scratchFolder) {
  const std::string scratch = writeScratch(files, scratchFolder, contents);
  try {
    files.renameAsNew(scratch, path);
  } catch (...) {
    removeQuietly(files, scratch);
    throw;
  }
  try {
    files.syncFolder(folderOf(path));
  } catch (...) {
    removeQuietly(files, path);
    throw;
  }
}

void writeAtomically(FileSystem& files, const std::string& path, std::string_view contents) {
  const std::filesystem::path target(path);
  const std::string hidden = "." + target.filename().string() + ".partial-";
  moveIntoPlace(files, writeScratchNamed(files, folderOf(path), hidden, contents), path);
  files.syncFolder(folderOf(path));
}

std::string folderOf(const std::string& path) {
  const std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

}  // namespace files
