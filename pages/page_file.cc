#include "pages/page_file.h"

#include "errors/tool_error.h"
#include "files/posix_file_system.h"
#include "files/whole_file.h"

namespace pages {

void writePageFile(const std::string& path, const std::string& document) {
  try {
    files::writeAtomically(files::defaultFileSystem(), path, document);
  } catch (const errors::ToolError& error) {
    throw errors::ToolError(errors::ErrorKind::kIo, {path, 0, "cannot write the page"},
                            error.reason());
  }
}

}  // namespace pages
