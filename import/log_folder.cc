#include "import/log_folder.h"

#include <filesystem>

#include "errors/tool_error.h"
#include "files/posix_file_system.h"

namespace imports {
namespace {

namespace fs = std::filesystem;

// A hidden file (".gitattributes", an editor's backup) is no log someone sent in.
bool isHidden(const std::string& name) { return !name.empty() && name[0] == '.'; }

// The regular files directly in `folder`, not hidden, sorted; false when it
// cannot be listed.
bool listFolder(const std::string& folder, std::vector<std::string>* paths) {
  std::vector<std::string> names;
  try {
    names = files::defaultFileSystem().listFiles(folder);
  } catch (const errors::ToolError&) {
    return false;
  }
  for (const std::string& name : names) {
    if (!isHidden(name)) paths->push_back((fs::path(folder) / name).string());
  }
  return true;
}

}  // namespace

std::vector<std::string> listLogFiles(const std::vector<std::string>& operands) {
  std::vector<std::string> paths;
  for (const std::string& operand : operands) {
    if (!files::defaultFileSystem().isFolder(operand) || !listFolder(operand, &paths)) {
      paths.push_back(operand);
    }
  }
  return paths;
}

}  // namespace imports
