#ifndef ZVK_COUNTRIES_ALIAS_ENTRY_H_
#define ZVK_COUNTRIES_ALIAS_ENTRY_H_

#include <string>
#include <string_view>

#include "countries/file_fields.h"

namespace countries {

// One entry of an entity's list of prefixes and calls: "DL", "=DL1ABC(14)[28]{EU}".
struct AliasEntry {
  std::string key;         // upper case, without the '=' and the overrides
  bool exactCall = false;  // '=': the whole call, not a prefix
  int cqZone = 0;          // (14); 0 when the entity's own applies
  int ituZone = 0;         // [28]; 0 likewise
  std::string continent;   // {EU}; empty likewise
};

// Reads an entry; the location <lat/lon> and time zone ~tz~ overrides are checked for their
// closing mark and dropped, as no result needs them. Throws errors::ToolError (kBadInput).
AliasEntry readAliasEntry(std::string_view text, const FilePlace& place);

}  // namespace countries

#endif  // ZVK_COUNTRIES_ALIAS_ENTRY_H_
