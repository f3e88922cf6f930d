#include "crosscheck/allowed_values.h"

#include <cerrno>
#include <cstring>

#include "errors/tool_error.h"
#include "import/text_case.h"
#include "platform/posix/file_io.h"

namespace crosscheck {
namespace {

constexpr char kEveryCountry[] = "*";
constexpr char kSeparators[] = " \t,";

[[noreturn]] void reject(const std::string& file, int line, const std::string& reason) {
  throw errors::ToolError(errors::ErrorKind::kBadDefinition, {file, line, ""}, reason);
}

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool isWord(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    const bool letterOrDigit =
        (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (!letterOrDigit && c != '-' && c != '/') return false;
  }
  return true;
}

// One "PREFIX: VALUE ..." line, without its comment.
struct ListLine {
  std::string_view country;
  std::string_view values;
};

ListLine splitLine(std::string_view text, const std::string& file, int line) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) {
    reject(file, line,
           "\"" + std::string(text) + "\" is not PREFIX: VALUE VALUE ... or *: VALUE ...");
  }
  const ListLine parts{trimmed(text.substr(0, colon)), trimmed(text.substr(colon + 1))};
  if (parts.country != kEveryCountry && !isWord(parts.country)) {
    reject(file, line, "\"" + std::string(parts.country) + "\" is not a country prefix or *");
  }
  if (parts.values.empty()) reject(file, line, std::string(parts.country) + ": no values");
  return parts;
}

}  // namespace

AllowedValues AllowedValues::fromText(std::string_view text, const std::string& file) {
  AllowedValues allowed;
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++number;
    line = trimmed(line.substr(0, line.find_first_of("#;")));
    if (line.empty()) continue;
    const ListLine parts = splitLine(line, file, number);
    const std::string country = imports::toUpper(parts.country);
    if (allowed.byCountry_.count(country) || (country == kEveryCountry && !allowed.all_.empty())) {
      reject(file, number, country + ": given twice");
    }
    Values& values = country == kEveryCountry ? allowed.all_ : allowed.byCountry_[country];
    std::string_view rest = parts.values;
    while (!rest.empty()) {
      const std::size_t start = rest.find_first_not_of(kSeparators);
      if (start == std::string_view::npos) break;
      rest = rest.substr(start);
      const std::string_view value = rest.substr(0, rest.find_first_of(kSeparators));
      rest = rest.substr(value.size());
      if (!isWord(value)) reject(file, number, "\"" + std::string(value) + "\" is not a value");
      values.insert(imports::toUpper(value));
    }
  }
  return allowed;
}

AllowedValues AllowedValues::read(const std::string& path) {
  std::string text;
  errno = 0;
  if (!platform::readWholeFile(path, &text)) {
    throw errors::ToolError(errors::ErrorKind::kIo, {path, 0, "read"},
                            errno ? std::strerror(errno) : "not a regular file");
  }
  return fromText(text, path);
}

bool AllowedValues::allows(std::string_view country, std::string_view value) const {
  auto own = byCountry_.find(country);
  const Values& values = own == byCountry_.end() ? all_ : own->second;
  return values.find(value) != values.end();
}

bool AllowedValues::knows(std::string_view value) const {
  if (all_.find(value) != all_.end()) return true;
  for (const auto& entry : byCountry_) {
    if (entry.second.find(value) != entry.second.end()) return true;
  }
  return false;
}

std::string_view AllowedValues::countryByPrefix(std::string_view call) const {
  std::string_view best;
  for (const auto& entry : byCountry_) {
    const std::string& prefix = entry.first;
    if (prefix.size() > best.size() && call.substr(0, prefix.size()) == prefix) best = prefix;
  }
  return best;
}

}  // namespace crosscheck
