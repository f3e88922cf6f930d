#ifndef ZVK_CROSSCHECK_UNLOGGED_CREDIT_H_
#define ZVK_CROSSCHECK_UNLOGGED_CREDIT_H_

#include <cstdint>
#include <optional>
#include <string_view>

namespace crosscheck {

// When a QSO with a station that sent no log counts, and for what.
struct UnloggedCredit {
  bool byLines = false;                // count the QSO lines that hold the call, else the logs
  std::int32_t least = 2;              // this many of them credit the call
  std::optional<std::int32_t> points;  // unset: the QSO's own points

  bool credits(std::int32_t logs, std::int32_t lines) const {
    return (byLines ? lines : logs) >= least;
  }
};

// "logs:2" or "lines:10" (at least 1). Nothing: not such a text.
std::optional<UnloggedCredit> parseUnloggedCredit(std::string_view text);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_UNLOGGED_CREDIT_H_
