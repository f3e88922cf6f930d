#ifndef ZVK_PAGES_PAGE_FILE_H_
#define ZVK_PAGES_PAGE_FILE_H_

#include <string>

namespace pages {

// Writes `document` to `path` whole or not at all: into a file beside it,
// renamed over `path` once every byte is on the disk. Throws
// errors::ToolError naming the page and the reason.
void writePageFile(const std::string& path, const std::string& document);

}  // namespace pages

#endif  // ZVK_PAGES_PAGE_FILE_H_
