#include "crosscheck/entrant_files.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <set>
#include <string>
#include <utility>

#include "cabrillo/file_stem.h"
#include "import/text_case.h"

namespace crosscheck {
namespace {

std::string safeName(const std::string& call) {
  return cabrillo::makeFileStem(CString(call.c_str())).str();
}

// Calls that are their own safe name first, then the rest; each in call
// order. Each call's safe name is made once, not at every comparison.
std::vector<std::size_t> namingOrder(const std::vector<Entrant>& entrants,
                                     const std::vector<std::string>& safeNames) {
  std::vector<std::size_t> order(entrants.size());
  std::iota(order.begin(), order.end(), 0);
  auto key = [&](std::size_t e) {
    const std::string& call = entrants[e].call;
    return std::make_pair(safeNames[e] != call, std::cref(call));
  };
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
  return order;
}

}  // namespace

void nameEntrantFiles(std::vector<Entrant>* entrants) {
  std::vector<std::string> safeNames;
  safeNames.reserve(entrants->size());
  for (const Entrant& entrant : *entrants) safeNames.push_back(safeName(entrant.call));
  std::set<std::string> taken;
  for (std::size_t e : namingOrder(*entrants, safeNames)) {
    const std::string& base = safeNames[e];
    std::string name = base;
    for (int n = 2; !taken.insert(imports::toLower(name)).second; ++n) {
      name = base + "-" + std::to_string(n);
    }
    (*entrants)[e].fileStem = name;
  }
}

}  // namespace crosscheck
