#ifndef ZVK_COUNTRIES_COUNTRY_TABLES_H_
#define ZVK_COUNTRIES_COUNTRY_TABLES_H_

#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "countries/country_file.h"

namespace countries {

// What a prefix or an exact call of the file says: its entity and the zones and continent
// in force there (the entity's own, or the entry's overrides).
struct CallMatch {
  int entity = 0;  // index into CountryTables::entities
  int cqZone = 0;
  int ituZone = 0;
  std::string continent;
};

// The entities of a country file with its prefixes and exact calls, keyed by upper-case
// text. Looking up takes views, so locating a call allocates nothing; the keys live in
// `keys_`, whose elements never move, which is why the tables are neither copied nor moved.
class CountryTables {
 public:
  CountryTables() = default;
  CountryTables(const CountryTables&) = delete;
  CountryTables& operator=(const CountryTables&) = delete;

  std::vector<Entity> entities;

  // Adds an entry. Where the file lists one call under two entities, the WAE-only one
  // (prefix starting with '*') wins, as it refines a DXCC entity; otherwise the first does.
  void addExactCall(std::string key, CallMatch match);
  void addPrefix(std::string key, CallMatch match);

  const CallMatch* exactCall(std::string_view upperCall) const;
  // The entry of the longest prefix of `upperCall` the file lists, or nullptr.
  const CallMatch* longestPrefix(std::string_view upperCall) const;

 private:
  using Index = std::unordered_map<std::string_view, CallMatch>;

  void add(Index& index, std::string key, CallMatch match);

  std::deque<std::string> keys_;
  Index exactCalls_;
  Index prefixes_;
  size_t longestPrefix_ = 0;
};

}  // namespace countries

#endif  // ZVK_COUNTRIES_COUNTRY_TABLES_H_
