#include "robot/folder_file.h"

#include "errors/tool_error.h"
#include "files/posix_file_system.h"
#include "robot/front_pages.h"

namespace robot {
namespace {

constexpr int kNotFound = 404;
constexpr char kIndex[] = "index.html";

// The results folder holds these only.
std::string typeOf(const std::string& path) {
  const std::string extension = path.substr(path.rfind('.') + 1);
  if (extension == "html") return "text/html; charset=utf-8";
  if (extension == "json") return "application/json";
  if (extension == "csv") return "text/csv; charset=utf-8";
  return "text/plain; charset=utf-8";
}

// Plain names only: no "..", no hidden files, nothing from outside.
bool staysInside(const std::string& path) {
  if (path.find_first_not_of(
          "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_./") !=
      std::string::npos) {
    return false;
  }
  return path.front() != '/' && path.find("..") == std::string::npos &&
         path.find("/.") == std::string::npos && path.front() != '.';
}

Answer notFound() { return {kNotFound, messagePage("Not found", "No such page here.")}; }

}  // namespace

Answer folderFile(const std::string& folder, const std::string& path) {
  const std::string named = path.empty() || path.back() == '/' ? path + kIndex : path;
  if (!staysInside(named)) return notFound();
  try {
    Answer file(200, files::defaultFileSystem().readWhole(folder + "/" + named));
    file.contentType = typeOf(named);
    return file;
  } catch (const errors::ToolError&) {
    return notFound();
  }
}

}  // namespace robot
