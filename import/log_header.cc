#include "import/log_header.h"

#include <optional>

#include "import/text_case.h"

namespace imports {
namespace {

constexpr std::string_view kAdifPrefix = "APP_ZVK_";

std::string replaced(std::string text, char from, char to) {
  for (char& c : text) {
    if (c == from) c = to;
  }
  return text;
}

// A claimed score is the log's own statement, not a QSO: one that is no
// whole number is left out rather than making the log unreadable.
std::optional<int> readClaimedScore(std::string_view text) {
  constexpr int kMostDigits = 9;
  if (text.empty() || text.size() > kMostDigits) return std::nullopt;
  int score = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    score = score * 10 + (c - '0');
  }
  return score;
}

}  // namespace

void addHeaderLine(const std::string& tag, std::string_view value, int line, ImportedLog* log) {
  if (tag == "CALLSIGN") {
    log->ownCall = std::string(value);
  } else if (startsWithNoCase(tag, "CATEGORY")) {
    log->categories.push_back({tag, std::string(value), line});
  } else if (tag == "CLAIMED-SCORE") {
    log->claimedScore = readClaimedScore(value);
  } else {
    log->otherHeader.push_back({tag, std::string(value), line});
  }
}

std::string adifHeaderField(const std::string& tag) {
  return std::string(kAdifPrefix) + replaced(tag, '-', '_');
}

std::string tagOfAdifHeaderField(const std::string& name) {
  if (name.size() <= kAdifPrefix.size() || name.compare(0, kAdifPrefix.size(), kAdifPrefix) != 0) {
    return std::string();
  }
  return replaced(name.substr(kAdifPrefix.size()), '_', '-');
}

}  // namespace imports
