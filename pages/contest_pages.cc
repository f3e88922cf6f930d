#include "pages/contest_pages.h"

#include <filesystem>
#include <ostream>

#include "crosscheck/output_folder.h"
#include "pages/contest_index.h"
#include "pages/entrant_page.h"

namespace pages {
namespace {

void writePage(const std::string& path, const std::string& document) {
  crosscheck::writeTextFile(path, document);
}

}  // namespace

std::string entrantPagePath(const crosscheck::Entrant& entrant) {
  return "entrants/" + entrant.fileStem + ".html";
}

crosscheck::FolderAdditions contestPages(const crosscheck::Results& results) {
  crosscheck::FolderAdditions pages;
  pages.whole = [&results](const std::string& dir) {
    std::filesystem::path folder(dir);
    std::error_code error;
    std::filesystem::create_directories(folder / "entrants", error);
    if (error) {
      throw crosscheck::OutputError((folder / "entrants").string() +
                                    ": cannot make the folder: " + error.message());
    }
    writePage((folder / "index.html").string(), contestIndexPage(results));
  };
  pages.perEntrant = [&results](const std::string& dir, std::size_t entrant,
                                const crosscheck::EntrantReport& report) {
    writePage(dir + "/" + entrantPagePath(results.entrants[entrant]),
              entrantPage(results, entrant, report));
  };
  return pages;
}

}  // namespace pages
