#ifndef ZVK_TESTS_CLI_JSON_VALUE_H_
#define ZVK_TESTS_CLI_JSON_VALUE_H_

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// A parsed JSON value: strict RFC 8259 syntax, numbers kept as integers
// (the reports print no fractions).
struct JsonValue {
  enum Kind { kNull, kBool, kNumber, kString, kArray, kObject } kind = kNull;
  bool boolean = false;
  long number = 0;
  std::string string;
  std::vector<JsonValue> array;
  std::map<std::string, JsonValue> object;

  // The member `key` of an object; throws std::runtime_error when missing.
  const JsonValue& operator[](const std::string& key) const;
};

// Throws std::runtime_error with the offset of the first error.
JsonValue parseJson(std::string_view text);

}  // namespace testing_support

#endif  // ZVK_TESTS_CLI_JSON_VALUE_H_
