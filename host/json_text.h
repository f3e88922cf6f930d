#ifndef ZVK_HOST_JSON_TEXT_H_
#define ZVK_HOST_JSON_TEXT_H_

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

// JSON of the tools. Log texts are read by the logs' one rule
// (import/log_text.h), so that the output is always valid JSON and keeps
// every byte.
namespace host {

// `text` as a JSON string literal with its quotes; a byte that is no valid
// UTF-8 is written as its Latin-1 escape.
std::string jsonString(std::string_view text);

// The members of a document from its root ("ubn", "lines"); "*" stands for
// any one member or array item. The root is the empty path.
using JsonPath = std::vector<std::string>;

// `value` as JSON text with ", " and ": " between items: the containers at
// `expanded` with one item a line, indented by two blanks a level, and all
// others on one line.
std::string layoutJson(const nlohmann::ordered_json& value, const std::vector<JsonPath>& expanded);

}  // namespace host

#endif  // ZVK_HOST_JSON_TEXT_H_
