#include "cli/log_folder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace cli {
namespace {

namespace fs = std::filesystem;

// The regular files directly in `folder`, sorted; false when it cannot be listed.
bool listFolder(const std::string& folder, std::vector<std::string>* files) {
  std::error_code error;
  fs::directory_iterator entry(folder, error);
  std::vector<std::string> names;
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    std::error_code ignored;  // an entry gone or a dangling link is no log file
    if (entry->is_regular_file(ignored)) names.push_back(entry->path().filename().string());
  }
  if (error) return false;
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) files->push_back((fs::path(folder) / name).string());
  return true;
}

}  // namespace

std::vector<std::string> listLogFiles(const std::vector<std::string>& operands) {
  std::vector<std::string> files;
  for (const std::string& operand : operands) {
    std::error_code error;
    if (!fs::is_directory(operand, error) || !listFolder(operand, &files)) {
      files.push_back(operand);
    }
  }
  return files;
}

}  // namespace cli
