#include "crosscheck/definition_keys.h"

#include <filesystem>

#include "crosscheck/definition_values.h"

namespace crosscheck {

errors::ErrorPlace keyPlace(const std::string& file, const std::string& key) {
  return {file, 0, "[" + std::string(kDefinitionSection) + "] " + key};
}

void failDefinition(errors::ErrorPlace place, const std::string& reason) {
  throw errors::ToolError(errors::ErrorKind::kBadDefinition, std::move(place), reason);
}

void reject(const Setting& setting, const std::string& reason) {
  failDefinition(keyPlace(setting.file, setting.key), "\"" + setting.value + "\" " + reason);
}

int readCount(const Setting& setting, int least, int most) {
  std::optional<int> count = parseCount(setting.value, most);
  if (!count || *count < least) {
    reject(setting,
           "is not a whole number from " + std::to_string(least) + " to " + std::to_string(most));
  }
  return *count;
}

std::string besideDefinition(const Setting& setting) {
  const std::filesystem::path named(setting.value);
  return (named.is_absolute() ? named : std::filesystem::path(setting.file).parent_path() / named)
      .string();
}

std::string givenValue(const platform::IniText& ini, const char* key) {
  std::string value;
  ini.find(kDefinitionSection, key, &value);
  return value;
}

}  // namespace crosscheck
