#include "crosscheck/allowed_values.h"

#include <vector>

#include "errors/tool_error.h"
#include "files/posix_file_system.h"
#include "import/text_case.h"

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

// The words of `text` separated by blanks or commas, each checked as a word.
std::vector<std::string> wordsOf(std::string_view text, const std::string& file, int line) {
  std::vector<std::string> words;
  for (;;) {
    const std::size_t start = text.find_first_not_of(kSeparators);
    if (start == std::string_view::npos) return words;
    text.remove_prefix(start);
    const std::string_view word = text.substr(0, text.find_first_of(kSeparators));
    text.remove_prefix(word.size());
    if (word != kEveryCountry && !isWord(word)) {
      reject(file, line, "\"" + std::string(word) + "\" is not a prefix or a value");
    }
    words.push_back(imports::toUpper(word));
  }
}

}  // namespace

void AllowedValues::addLine(std::string_view text, const std::string& file, int line) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) {
    reject(file, line,
           "\"" + std::string(text) + "\" is not PREFIX ...: VALUE VALUE ... or *: VALUE ...");
  }
  const std::vector<std::string> countries = wordsOf(text.substr(0, colon), file, line);
  const std::vector<std::string> values = wordsOf(text.substr(colon + 1), file, line);
  if (countries.empty()) reject(file, line, "no country prefix before the colon");
  for (const std::string& country : countries) {
    if (values.empty()) reject(file, line, country + ": no values");
    const bool every = country == kEveryCountry;
    if (byCountry_.count(country) || (every && !all_.empty())) {
      reject(file, line, country + ": given twice");
    }
    Values& list = every ? all_ : byCountry_[country];
    list.insert(values.begin(), values.end());
  }
}

AllowedValues AllowedValues::fromText(std::string_view text, const std::string& file) {
  AllowedValues allowed;
  for (int number = 1; !text.empty(); ++number) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const std::string_view content = trimmed(line.substr(0, line.find_first_of("#;")));
    if (!content.empty()) allowed.addLine(content, file, number);
  }
  return allowed;
}

AllowedValues AllowedValues::read(const std::string& path) {
  return fromText(files::defaultFileSystem().readWhole(path), path);
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
