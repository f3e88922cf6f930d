#include "cli/ubn_lines.h"

namespace cli {
namespace {

struct Reason {
  const char* suffix;
  const char* name;
};

constexpr Reason kReasons[] = {
    {"   NO CONTEST BAND !!!", "NO CONTEST BAND"},
    {"   NO CONTEST MODE !!!", "NO CONTEST MODE"},
    {"   NO RX/TX NUMBER !!!", "NO RX/TX NUMBER"},
    {"   DUPE !!!", "DUPE"},
};
constexpr std::string_view kQsoPrefix = "QSO:";

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

void addLine(std::string_view line, std::vector<UbnGroup>* groups) {
  for (std::size_t i = 0; i < std::size(kReasons); ++i) {
    if (endsWith(line, kReasons[i].suffix)) {
      (*groups)[i].lines.emplace_back(line);
      return;
    }
  }
  if (groups->size() == std::size(kReasons)) groups->push_back({"OTHER", {}});
  groups->back().lines.emplace_back(line);
}

}  // namespace

std::vector<UbnGroup> groupUbnLines(std::string_view text) {
  std::vector<UbnGroup> groups;
  for (const Reason& reason : kReasons) groups.push_back({reason.name, {}});
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.substr(0, kQsoPrefix.size()) == kQsoPrefix) addLine(line, &groups);
    start = end + 1;
  }
  return groups;
}

}  // namespace cli
