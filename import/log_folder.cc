#include "import/log_folder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace imports {
namespace {

namespace fs = std::filesystem;

// A hidden file (".gitattributes", an editor's backup) is no log someone sent in.
bool isHidden(const std::string& name) { return !name.empty() && name[0] == '.'; }

// The regular files directly in `folder`, not hidden, sorted; false when it
// cannot be listed.
bool listFolder(const std::string& folder, std::vector<std::string>* files) {
  std::error_code error;
  fs::directory_iterator entry(folder, error);
  std::vector<std::string> names;
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    std::error_code ignored;  // an entry gone or a dangling link is no log file
    std::string name = entry->path().filename().string();
    if (entry->is_regular_file(ignored) && !isHidden(name)) names.push_back(name);
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

}  // namespace imports
