#ifndef ZVK_COUNTRIES_COUNTRY_TABLES_H_
#define ZVK_COUNTRIES_COUNTRY_TABLES_H_

#include <array>
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
// text. Looking up takes views, so locating a call allocates nothing: the exact calls' keys
// live in `keys_`, whose elements never move, which is why the tables are neither copied nor
// moved. The prefixes form a tree by character, so the longest one is found in one walk.
class CountryTables {
 public:
  CountryTables() = default;
  CountryTables(const CountryTables&) = delete;
  CountryTables& operator=(const CountryTables&) = delete;

  std::vector<Entity> entities;
  std::vector<int> dxccEntities;  // for each entity, the index of its DXCC entity

  // Adds an entry; the key holds only digits, upper-case letters and '/'. Where the file lists one
  // call under two entities, the WAE-only one (prefix starting with '*') wins, as it refines a DXCC
  // entity; otherwise the first does.
  void addExactCall(std::string key, CallMatch match);
  void addPrefix(std::string key, CallMatch match);

  // Finds each entity's DXCC entity, once every entry is in: a WAE-only entity lies in the
  // DXCC entity it shares an entry with, else in the one of the longest prefix of its own.
  void findDxccEntities();

  const CallMatch* exactCall(std::string_view upperCall) const;
  // The entry of the longest prefix of `upperCall` the file lists, or nullptr.
  const CallMatch* longestPrefix(std::string_view upperCall) const;

 private:
  static constexpr size_t kKeyCharacters = 37;  // 0-9, A-Z and '/'

  struct PrefixNode {
    std::array<int, kKeyCharacters> next{};  // 0: no such child (the root is no child)
    int match = -1;                          // into prefixMatches_; -1: no prefix ends here
  };

  void settleSharedEntry(CallMatch& held, CallMatch match);
  const CallMatch* longestMatch(std::string_view upperCall, bool dxccOnly) const;

  std::deque<std::string> keys_;
  std::unordered_map<std::string_view, CallMatch> exactCalls_;
  std::vector<PrefixNode> prefixNodes_ = std::vector<PrefixNode>(1);
  std::vector<CallMatch> prefixMatches_;
};

}  // namespace countries

#endif  // ZVK_COUNTRIES_COUNTRY_TABLES_H_
