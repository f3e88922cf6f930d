#include "countries/country_tables.h"

#include <algorithm>
#include <utility>

namespace countries {

namespace {

bool isWaeOnly(const Entity& entity) { return !entity.prefix.empty() && entity.prefix[0] == '*'; }

}  // namespace

void CountryTables::addExactCall(std::string key, CallMatch match) {
  add(exactCalls_, std::move(key), std::move(match));
}

void CountryTables::addPrefix(std::string key, CallMatch match) {
  longestPrefix_ = std::max(longestPrefix_, key.size());
  add(prefixes_, std::move(key), std::move(match));
}

void CountryTables::add(Index& index, std::string key, CallMatch match) {
  auto found = index.find(key);
  if (found == index.end()) {
    index.emplace(keys_.emplace_back(std::move(key)), std::move(match));
  } else if (isWaeOnly(entities[match.entity]) && !isWaeOnly(entities[found->second.entity])) {
    found->second = std::move(match);
  }
}

const CallMatch* CountryTables::exactCall(std::string_view upperCall) const {
  auto found = exactCalls_.find(upperCall);
  return found == exactCalls_.end() ? nullptr : &found->second;
}

const CallMatch* CountryTables::longestPrefix(std::string_view upperCall) const {
  for (size_t length = std::min(longestPrefix_, upperCall.size()); length > 0; --length) {
    auto found = prefixes_.find(upperCall.substr(0, length));
    if (found != prefixes_.end()) return &found->second;
  }
  return nullptr;
}

}  // namespace countries
