#ifndef ZVK_COUNTRIES_COUNTRY_FILE_H_
#define ZVK_COUNTRIES_COUNTRY_FILE_H_

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace countries {

// One entity of the country file.
struct Entity {
  std::string name;    // "Fed. Rep. of Germany"
  std::string prefix;  // the file's own key, "DL"; a leading '*' (WAE-only entity) is kept
  int cqZone = 0;
  int ituZone = 0;
  std::string continent;  // "EU", "NA", ...
};

// Where a call is: its entity, with any per-prefix or per-call overrides applied.
struct Location {
  const Entity* entity = nullptr;
  int cqZone = 0;
  int ituZone = 0;
  std::string continent;
};

class CountryTables;  // country_tables.h

// The entities of a country file and the prefixes and exact calls that map to them.
class CountryFile {
 public:
  // Parses the text of a country file (the format contest loggers use).
  // Throws errors::ToolError (kBadInput, file, line) for malformed text.
  static CountryFile parse(std::string_view text, const std::string& fileName);

  // The location of `call` (any case), resolving portable forms as contest checkers do;
  // nullopt for /MM and /AM (no country) and for calls no prefix matches.
  std::optional<Location> locate(std::string_view call) const;

  const std::vector<Entity>& entities() const;

  // The DXCC entity `entity` (one of entities()) lies in: itself, and for a WAE-only entity
  // the one the file shows it apart from (Italy for "*IT9"; itself if the file shows none).
  const Entity& dxccEntityOf(const Entity& entity) const;

 private:
  explicit CountryFile(std::shared_ptr<const CountryTables> tables);

  // Shared and immutable: copies are cheap, and the entities a Location points to live as
  // long as any copy does.
  std::shared_ptr<const CountryTables> tables_;
};

// The country file of Debian's hamradio-files package.
constexpr const char kDefaultCountryFile[] = "/usr/share/hamradio-files/cty.dat";

}  // namespace countries

#endif  // ZVK_COUNTRIES_COUNTRY_FILE_H_
