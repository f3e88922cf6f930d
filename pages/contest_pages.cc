#include "pages/contest_pages.h"

#include <filesystem>
#include <ostream>

#include "crosscheck/output_folder.h"

namespace pages {
namespace {

void writePage(const std::string& path, const std::string& document) {
  crosscheck::writeTextFile(path, [&](std::ostream& out) { out << document; });
}

}  // namespace

std::string entrantPagePath(const crosscheck::Entrant& entrant) {
  return "entrants/" + entrant.fileStem + ".html";
}

void writeContestPages(const crosscheck::Results& results, const std::string& dir) {
  std::filesystem::path folder(dir);
  std::error_code error;
  std::filesystem::create_directories(folder / "entrants", error);
  if (error) {
    throw crosscheck::OutputError((folder / "entrants").string() +
                                  ": cannot make the folder: " + error.message());
  }
  writePage((folder / "index.html").string(), contestIndexPage(results));
  for (std::size_t i = 0; i < results.entrants.size(); ++i) {
    writePage((folder / entrantPagePath(results.entrants[i])).string(), entrantPage(results, i));
  }
}

}  // namespace pages
