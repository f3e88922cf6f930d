#ifndef ZVK_CROSSCHECK_CONTEST_NAMES_H_
#define ZVK_CROSSCHECK_CONTEST_NAMES_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace crosscheck {

// ContestNames=: the values of a Cabrillo CONTEST: line that name the
// contest, "ZVK CW Contest" or "CQ-WW-CW,CQ-WW-SSB"; each a text of letters,
// digits, blanks, - and _. Empty when the value is not such a list.
std::optional<std::vector<std::string>> parseContestNames(std::string_view text);

// Whether `given` is one of `names`, letter case ignored and blanks, - and _
// taken alike ("ZVK-CW-CONTEST" is "ZVK CW Contest"). No names: any is.
bool namesTheContest(const std::vector<std::string>& names, std::string_view given);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_CONTEST_NAMES_H_
