#ifndef ZVK_COUNTRIES_TEXT_H_
#define ZVK_COUNTRIES_TEXT_H_

#include <string>
#include <string_view>

namespace countries {

// `text` without the blanks around it.
std::string_view trimmed(std::string_view text);

// `text` with its ASCII letters in upper case, as the file's keys are.
std::string upperCase(std::string_view text);

}  // namespace countries

#endif  // ZVK_COUNTRIES_TEXT_H_
