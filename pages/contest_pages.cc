#include "pages/contest_pages.h"

namespace pages {

std::string entrantPagePath(const crosscheck::Entrant& entrant) {
  return std::string(kEntrantPagesFolder) + "/" + entrant.fileStem + ".html";
}

}  // namespace pages
