#ifndef ZVK_CROSSCHECK_DEFINITION_KEYS_H_
#define ZVK_CROSSCHECK_DEFINITION_KEYS_H_

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "errors/tool_error.h"
#include "platform/posix/ini_text.h"

// What each key of a contest definition's reader shares: the key as the
// file gives it, and the messages that name the file, the key and the value.
namespace crosscheck {

constexpr char kDefinitionSection[] = "Contest";

// One key as the file gives it, to read and to name in a message.
struct Setting {
  const std::string& file;
  const std::string& key;
  const std::string& value;
};

using KeyReader = void (*)(const Setting&, ContestDefinition*);

struct Key {
  const char* name;
  bool required;
  KeyReader read;
};

// "[Contest] Key" of `file`, for a message.
errors::ErrorPlace keyPlace(const std::string& file, const std::string& key);
[[noreturn]] void failDefinition(errors::ErrorPlace place, const std::string& reason);
// Stops with the setting's file, key and value and `reason`.
[[noreturn]] void reject(const Setting& setting, const std::string& reason);

template <typename Value>
Value orReject(std::optional<Value> value, const Setting& setting, const std::string& reason) {
  if (!value) reject(setting, reason);
  return std::move(*value);
}

// A whole number from `least` to `most`.
int readCount(const Setting& setting, int least, int most);
// A file the definition names, found beside it unless the path is absolute.
std::string besideDefinition(const Setting& setting);
// The value of `key` in the section; empty when not given.
std::string givenValue(const platform::IniText& ini, const char* key);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_DEFINITION_KEYS_H_
