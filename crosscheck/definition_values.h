#ifndef ZVK_CROSSCHECK_DEFINITION_VALUES_H_
#define ZVK_CROSSCHECK_DEFINITION_VALUES_H_

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "log/rule_set.h"

// The values of a contest definition's keys, each read whole or not at all
// (empty for a value that is not what its key takes).
namespace crosscheck {

// `text` without blanks and tabs around it.
std::string_view trimmed(std::string_view text);
// The comma-separated items of `text`, trimmed; empty when one is empty.
std::optional<std::vector<std::string_view>> splitList(std::string_view text);
// "80m,40m,20m", blanks around the names ignored; "160m", "2m", "70cm".
std::optional<std::vector<std::string>> parseBandList(std::string_view text);
// "CW" or "CW,SSB": names of letters and digits.
std::optional<std::vector<std::string>> parseModeList(std::string_view text);
// A whole number from 0 to `most`.
std::optional<int> parseCount(std::string_view text, int most);
// "1" for every QSO, or by the exchange received: "NM=1,*=5", where "*" is
// every other exchange and is required.
std::optional<rules::PointsRule> parsePoints(std::string_view text);
// "hours:4" (a repeat within four hours is a dupe) or "band" (once per band).
std::optional<rules::DupeRule> parseDupes(std::string_view text);
// "minutes:30": a repeat within 30 minutes of the last QSO that counted.
std::optional<int> parseDupeMinutes(std::string_view text);
// "serial,serial": each item one of `words`, ignoring case, as indexes in `words`.
std::optional<std::vector<std::size_t>> parseWordList(std::string_view text,
                                                      const std::vector<std::string>& words);
// "busted-call:both, not-in-log:own": each item split at its first colon,
// both parts trimmed and not empty.
std::optional<std::vector<std::pair<std::string_view, std::string_view>>> parsePairList(
    std::string_view text);
// `text` when it is one of `words`, ignoring case, as the index in `words`.
std::optional<std::size_t> parseWord(std::string_view text, const std::vector<std::string>& words);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_DEFINITION_VALUES_H_
