#include "host/ubn_lines.h"

#include "log/ubn_file.h"

namespace host {
namespace {

constexpr std::string_view kQsoPrefix = "QSO:";

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

void addLine(std::string_view line, std::vector<UbnGroup>* groups) {
  for (std::size_t i = 0; i < std::size(ubn_file::kReasons); ++i) {
    if (endsWith(line, ubn_file::kReasons[i])) {
      (*groups)[i].lines.emplace_back(line);
      return;
    }
  }
  if (groups->size() == std::size(ubn_file::kReasons)) groups->push_back({"OTHER", {}});
  groups->back().lines.emplace_back(line);
}

}  // namespace

std::vector<UbnGroup> groupUbnLines(std::string_view text) {
  std::vector<UbnGroup> groups;
  for (const char* reason : ubn_file::kReasons) {
    groups.push_back({std::string(ubn_file::reasonName(reason)), {}});
  }
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

}  // namespace host
