#ifndef ZVK_IMPORT_QSO_TOKENS_H_
#define ZVK_IMPORT_QSO_TOKENS_H_

#include <string_view>

// What a token of a Cabrillo QSO line looks like, to tell its fields apart
// when one is missing.
namespace imports {

// Letters and digits both, three characters or more: "Q1ZVK", never "041".
bool looksLikeCall(std::string_view token);
// "599", "59", "579": readability 1-5, strength and tone 1-9.
bool looksLikeReport(std::string_view token);
// The transmitter id some loggers add at the end of the line.
bool isTransmitterId(std::string_view token);

}  // namespace imports

#endif  // ZVK_IMPORT_QSO_TOKENS_H_
