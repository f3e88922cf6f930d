#include "crosscheck/entrant_files.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <string>

#include "cabrillo/file_stem.h"
#include "import/text_case.h"

namespace crosscheck {
namespace {

std::string safeName(const std::string& call) {
  return cabrillo::makeFileStem(CString(call.c_str())).str();
}

// Calls that are their own safe name first, then the rest; each in call order.
std::vector<std::size_t> namingOrder(const std::vector<Entrant>& entrants) {
  std::vector<std::size_t> order(entrants.size());
  std::iota(order.begin(), order.end(), 0);
  auto key = [&](std::size_t e) {
    const std::string& call = entrants[e].call;
    return std::make_pair(safeName(call) != call, call);
  };
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
  return order;
}

}  // namespace

void nameEntrantFiles(std::vector<Entrant>* entrants) {
  std::set<std::string> taken;
  for (std::size_t e : namingOrder(*entrants)) {
    const std::string base = safeName((*entrants)[e].call);
    std::string name = base;
    for (int n = 2; !taken.insert(imports::toLower(name)).second; ++n) {
      name = base + "-" + std::to_string(n);
    }
    (*entrants)[e].fileStem = name;
  }
}

}  // namespace crosscheck
