#include "pages/contest_pages.h"

#include <filesystem>

#include "cabrillo/file_stem.h"
#include "pages/page_file.h"

namespace pages {

std::string entrantPagePath(const std::string& call) {
  return "entrants/" + cabrillo::makeFileStem(CString(call.c_str())).str() + ".html";
}

void writeContestPages(const crosscheck::Results& results, const std::string& dir) {
  std::filesystem::path folder(dir);
  std::error_code error;
  std::filesystem::create_directories(folder / "entrants", error);
  if (error) throw std::runtime_error((folder / "entrants").string() + ": " + error.message());
  writePageFile((folder / "index.html").string(), contestIndexPage(results));
  for (std::size_t i = 0; i < results.entrants.size(); ++i) {
    writePageFile((folder / entrantPagePath(results.entrants[i].call)).string(),
                  entrantPage(results, i));
  }
}

}  // namespace pages
