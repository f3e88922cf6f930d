#include "countries/country_tables.h"

#include <utility>

#include "countries/text.h"

namespace countries {

namespace {

bool isWaeOnly(const Entity& entity) { return !entity.prefix.empty() && entity.prefix[0] == '*'; }

// The place of a key's character among a prefix node's children; -1 for one no key has.
int childIndex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return 10 + (c - 'A');
  return c == '/' ? 36 : -1;
}

}  // namespace

void CountryTables::settleSharedEntry(CallMatch& held, CallMatch match) {
  bool newIsWae = isWaeOnly(entities[match.entity]);
  if (newIsWae == isWaeOnly(entities[held.entity])) return;
  dxccEntities.resize(entities.size(), -1);
  int& dxcc = dxccEntities[newIsWae ? match.entity : held.entity];
  if (dxcc < 0) dxcc = newIsWae ? held.entity : match.entity;
  if (newIsWae) held = std::move(match);
}

void CountryTables::addExactCall(std::string key, CallMatch match) {
  auto found = exactCalls_.find(key);
  if (found == exactCalls_.end()) {
    exactCalls_.emplace(keys_.emplace_back(std::move(key)), std::move(match));
  } else {
    settleSharedEntry(found->second, std::move(match));
  }
}

void CountryTables::addPrefix(std::string key, CallMatch match) {
  size_t node = 0;
  for (char c : key) {
    int index = childIndex(c);
    if (prefixNodes_[node].next[index] == 0) {
      prefixNodes_[node].next[index] = static_cast<int>(prefixNodes_.size());
      prefixNodes_.emplace_back();
    }
    node = prefixNodes_[node].next[index];
  }
  int& slot = prefixNodes_[node].match;
  if (slot < 0) {
    slot = static_cast<int>(prefixMatches_.size());
    prefixMatches_.push_back(std::move(match));
  } else {
    settleSharedEntry(prefixMatches_[slot], std::move(match));
  }
}

const CallMatch* CountryTables::exactCall(std::string_view upperCall) const {
  auto found = exactCalls_.find(upperCall);
  return found == exactCalls_.end() ? nullptr : &found->second;
}

const CallMatch* CountryTables::longestPrefix(std::string_view upperCall) const {
  return longestMatch(upperCall, false);
}

void CountryTables::findDxccEntities() {
  dxccEntities.resize(entities.size(), -1);
  for (size_t index = 0; index < entities.size(); ++index) {
    if (dxccEntities[index] >= 0) continue;
    const Entity& entity = entities[index];
    const CallMatch* dxcc = nullptr;
    if (isWaeOnly(entity)) {
      // "*GM/s": the prefix without the WAE mark and the file's own tag after the slash.
      std::string_view own = std::string_view(entity.prefix).substr(1);
      dxcc = longestMatch(upperCase(own.substr(0, own.find('/'))), true);
    }
    dxccEntities[index] = dxcc ? dxcc->entity : static_cast<int>(index);
  }
}

const CallMatch* CountryTables::longestMatch(std::string_view upperCall, bool dxccOnly) const {
  const CallMatch* longest = nullptr;
  size_t node = 0;
  for (char c : upperCall) {
    int index = childIndex(c);
    if (index < 0 || prefixNodes_[node].next[index] == 0) break;
    node = prefixNodes_[node].next[index];
    int match = prefixNodes_[node].match;
    if (match >= 0 && !(dxccOnly && isWaeOnly(entities[prefixMatches_[match].entity]))) {
      longest = &prefixMatches_[match];
    }
  }
  return longest;
}

}  // namespace countries
