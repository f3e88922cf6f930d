#ifndef ZVK_CLI_JSON_TEXT_H_
#define ZVK_CLI_JSON_TEXT_H_

#include <string>
#include <string_view>

namespace cli {

// `text` as a JSON string literal with its quotes. Log texts are 8-bit texts
// of any code page: valid UTF-8 passes as it is, and any other byte is taken
// as Latin-1 so that the output is always valid JSON.
std::string jsonString(std::string_view text);

}  // namespace cli

#endif  // ZVK_CLI_JSON_TEXT_H_
