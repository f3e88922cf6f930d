#include "countries/read_country_tables.h"

#include <cctype>
#include <utility>
#include <vector>

#include "countries/alias_entry.h"
#include "countries/file_fields.h"
#include "countries/text.h"
#include "errors/tool_error.h"

namespace countries {

namespace {

// Name, CQ zone, ITU zone, continent, latitude, longitude, UTC offset, prefix.
constexpr size_t kHeaderFields = 8;

[[noreturn]] void reject(const FilePlace& place, const char* field, const std::string& why) {
  throw errors::ToolError(errors::ErrorKind::kBadInput, {place.file, place.line, field}, why);
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (size_t end = text.find(separator); end != std::string_view::npos;
       end = text.find(separator)) {
    parts.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  parts.push_back(text);
  return parts;
}

Entity readHeader(std::string_view line, const FilePlace& place) {
  std::vector<std::string_view> fields = split(line, ':');
  if (fields.size() != kHeaderFields + 1 || !trimmed(fields.back()).empty()) {
    reject(place, "entity",
           "expected 8 fields each ended by ':' (name, CQ zone, ITU zone, "
           "continent, latitude, longitude, UTC offset, prefix)");
  }
  Entity entity{std::string(trimmed(fields[0])), std::string(trimmed(fields[7])),
                readCqZone(fields[1], place), readItuZone(fields[2], place),
                readContinent(fields[3], place)};
  if (entity.name.empty()) reject(place, "name", "the entity has no name");
  if (entity.prefix.empty()) reject(place, "prefix", "the entity has no prefix");
  return entity;
}

class TablesReader {
 public:
  explicit TablesReader(const std::string& fileName) : fileName_(fileName) {}

  std::shared_ptr<const CountryTables> read(std::string_view text) {
    int number = 0;
    for (std::string_view line : split(text, '\n')) readLine(line, ++number);
    if (inList_) reject({fileName_, headerLine_}, "prefix list", "not ended by ';'");
    if (tables_->entities.empty()) reject({fileName_, 0}, "entity", "the file holds no entity");
    tables_->findDxccEntities();
    return std::move(tables_);
  }

 private:
  void readLine(std::string_view line, int number) {
    FilePlace place{fileName_, number};
    bool indented = !line.empty() && std::isspace(static_cast<unsigned char>(line.front()));
    if (trimmed(line).empty()) return;
    if (!inList_) {
      if (indented) reject(place, "entity", "a prefix list without an entity line before it");
      tables_->entities.push_back(readHeader(line, place));
      inList_ = true;
      headerLine_ = number;
      return;
    }
    if (!indented) {
      reject(place, "prefix list",
             "the list begun on line " + std::to_string(headerLine_) + " is not ended by ';'");
    }
    readEntries(line, place);
  }

  void readEntries(std::string_view line, const FilePlace& place) {
    size_t end = line.find(';');
    inList_ = end == std::string_view::npos;
    if (!inList_ && !trimmed(line.substr(end + 1)).empty()) {
      reject(place, "prefix list", "text after the ';' that ends the list");
    }
    for (std::string_view text : split(line.substr(0, end), ',')) {
      if (!trimmed(text).empty()) add(readAliasEntry(trimmed(text), place));
    }
  }

  void add(AliasEntry entry) {
    int index = static_cast<int>(tables_->entities.size()) - 1;
    const Entity& entity = tables_->entities.back();
    CallMatch match{index, entry.cqZone ? entry.cqZone : entity.cqZone,
                    entry.ituZone ? entry.ituZone : entity.ituZone,
                    entry.continent.empty() ? entity.continent : entry.continent};
    if (entry.exactCall) {
      tables_->addExactCall(std::move(entry.key), std::move(match));
    } else {
      tables_->addPrefix(std::move(entry.key), std::move(match));
    }
  }

  const std::string& fileName_;
  std::shared_ptr<CountryTables> tables_ = std::make_shared<CountryTables>();
  bool inList_ = false;
  int headerLine_ = 0;
};

}  // namespace

std::shared_ptr<const CountryTables> readCountryTables(std::string_view text,
                                                       const std::string& fileName) {
  return TablesReader(fileName).read(text);
}

}  // namespace countries
