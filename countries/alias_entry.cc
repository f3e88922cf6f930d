#include "countries/alias_entry.h"

#include <algorithm>

#include "countries/text.h"
#include "errors/tool_error.h"

namespace countries {

namespace {

// (CQ zone) [ITU zone] <latitude/longitude> {continent} ~UTC offset~
constexpr std::string_view kOverrideOpenings = "([<{~";
constexpr std::string_view kOverrideClosings = ")]>}~";

[[noreturn]] void reject(const FilePlace& place, std::string_view text, const std::string& why) {
  throw errors::ToolError(errors::ErrorKind::kBadInput, {place.file, place.line, "prefix list"},
                          "'" + std::string(text) + "' " + why);
}

char closingOf(char opening) { return kOverrideClosings[kOverrideOpenings.find(opening)]; }

// ASCII only, whatever the locale: the prefix tree has a place for no other character.
bool isKeyCharacter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '/';
}

std::string upperKey(std::string_view key, std::string_view text, const FilePlace& place) {
  if (key.empty()) reject(place, text, "names no prefix or call");
  for (char c : key) {
    if (!isKeyCharacter(c)) {
      reject(place, text, "holds '" + std::string(1, c) + "', which no call has");
    }
  }
  return upperCase(key);
}

void applyOverride(char opening, std::string_view value, AliasEntry& entry,
                   const FilePlace& place) {
  if (opening == '(') entry.cqZone = readCqZone(value, place);
  if (opening == '[') entry.ituZone = readItuZone(value, place);
  if (opening == '{') entry.continent = readContinent(value, place);
}

}  // namespace

AliasEntry readAliasEntry(std::string_view text, const FilePlace& place) {
  AliasEntry entry;
  std::string_view rest = text;
  entry.exactCall = !rest.empty() && rest.front() == '=';
  if (entry.exactCall) rest.remove_prefix(1);
  size_t keyEnd = std::min(rest.find_first_of(kOverrideOpenings), rest.size());
  entry.key = upperKey(rest.substr(0, keyEnd), text, place);
  rest.remove_prefix(keyEnd);
  while (!rest.empty()) {
    if (kOverrideOpenings.find(rest.front()) == std::string_view::npos) {
      reject(place, text, "has '" + std::string(1, rest.front()) + "' where an override should be");
    }
    size_t close = rest.find(closingOf(rest.front()), 1);
    if (close == std::string_view::npos) reject(place, text, "leaves an override open");
    applyOverride(rest.front(), rest.substr(1, close - 1), entry, place);
    rest.remove_prefix(close + 1);
  }
  return entry;
}

}  // namespace countries
