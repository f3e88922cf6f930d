#include "crosscheck/contest_names.h"

#include <algorithm>

#include "crosscheck/definition_values.h"
#include "import/text_case.h"

namespace crosscheck {
namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '-' || c == '_'; }

bool isNameCharacter(char c) {
  return isSeparator(c) || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z');
}

// Loggers write one contest as "CQ-WW-CW", "cq ww cw" or "CQ_WW_CW": upper
// case, each run of separators one blank.
std::string canonical(std::string_view name) {
  std::string text;
  for (char c : trimmed(name)) {
    if (!isSeparator(c)) {
      text += c;
    } else if (!text.empty() && text.back() != ' ') {
      text += ' ';
    }
  }
  if (!text.empty() && text.back() == ' ') text.pop_back();
  return imports::toUpper(text);
}

}  // namespace

std::optional<std::vector<std::string>> parseContestNames(std::string_view text) {
  std::optional<std::vector<std::string_view>> items = splitList(text);
  if (!items) return std::nullopt;
  std::vector<std::string> names;
  for (std::string_view item : *items) {
    if (!std::all_of(item.begin(), item.end(), isNameCharacter) || canonical(item).empty()) {
      return std::nullopt;
    }
    names.emplace_back(item);
  }
  return names;
}

bool namesTheContest(const std::vector<std::string>& names, std::string_view given) {
  const std::string wanted = canonical(given);
  return names.empty() || std::any_of(names.begin(), names.end(), [&](const std::string& name) {
           return canonical(name) == wanted;
         });
}

}  // namespace crosscheck
