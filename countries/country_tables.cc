#include "countries/country_tables.h"

#include <utility>

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

bool CountryTables::replaces(const CallMatch& newer, const CallMatch& older) const {
  return isWaeOnly(entities[newer.entity]) && !isWaeOnly(entities[older.entity]);
}

void CountryTables::addExactCall(std::string key, CallMatch match) {
  auto found = exactCalls_.find(key);
  if (found == exactCalls_.end()) {
    exactCalls_.emplace(keys_.emplace_back(std::move(key)), std::move(match));
  } else if (replaces(match, found->second)) {
    found->second = std::move(match);
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
  } else if (replaces(match, prefixMatches_[slot])) {
    prefixMatches_[slot] = std::move(match);
  }
}

const CallMatch* CountryTables::exactCall(std::string_view upperCall) const {
  auto found = exactCalls_.find(upperCall);
  return found == exactCalls_.end() ? nullptr : &found->second;
}

const CallMatch* CountryTables::longestPrefix(std::string_view upperCall) const {
  const CallMatch* longest = nullptr;
  size_t node = 0;
  for (char c : upperCall) {
    int index = childIndex(c);
    if (index < 0 || prefixNodes_[node].next[index] == 0) break;
    node = prefixNodes_[node].next[index];
    if (prefixNodes_[node].match >= 0) longest = &prefixMatches_[prefixNodes_[node].match];
  }
  return longest;
}

}  // namespace countries
