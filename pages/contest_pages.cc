#include "pages/contest_pages.h"

#include "files/posix_file_system.h"
#include "files/whole_file.h"

namespace pages {
namespace {

void writePage(const std::string& path, const std::string& document) {
  files::writeFile(files::defaultFileSystem(), path, document);
}

}  // namespace

std::string entrantPagePath(const crosscheck::Entrant& entrant) {
  return "entrants/" + entrant.fileStem + ".html";
}

crosscheck::FolderAdditions contestPages(const crosscheck::Results& results) {
  crosscheck::FolderAdditions pages;
  pages.whole = [&results](const std::string& dir) {
    files::defaultFileSystem().makeFolders(dir + "/entrants");
    writePage(dir + "/index.html", contestIndexPage(results));
  };
  pages.perEntrant = [&results](const std::string& dir, std::size_t entrant,
                                const crosscheck::EntrantReport& report) {
    writePage(dir + "/" + entrantPagePath(results.entrants[entrant]),
              entrantPage(results, entrant, report));
  };
  return pages;
}

}  // namespace pages
