#ifndef ZVK_CROSSCHECK_QSO_INDEX_H_
#define ZVK_CROSSCHECK_QSO_INDEX_H_

#include <cstdint>
#include <vector>

#include "crosscheck/contest_logs.h"

namespace crosscheck {

// A run of line numbers (indexes into ContestLogs::lines) in index order.
struct LineSpan {
  const std::uint32_t* first = nullptr;
  const std::uint32_t* last = nullptr;
  const std::uint32_t* begin() const { return first; }
  const std::uint32_t* end() const { return last; }
  bool empty() const { return first == last; }
  std::size_t size() const { return static_cast<std::size_t>(last - first); }
};

// Each entrant's lines sorted two ways, so that finding the other half of a
// QSO is a binary search in one log, never a walk through all of them.
class QsoIndex {
 public:
  explicit QsoIndex(const ContestLogs& contest);

  // Lines of `entrant` naming `call` on the band and mode, by time.
  LineSpan byCall(std::int32_t entrant, TextId call, TextId band, TextId mode) const;
  // Lines of `entrant` on the band and mode logged from `fromMinute` to
  // `toMinute`, both included, by time.
  LineSpan byTime(std::int32_t entrant, TextId band, TextId mode, Minute fromMinute,
                  Minute toMinute) const;

 private:
  const ContestLogs& contest_;
  std::vector<std::uint32_t> byCall_;
  std::vector<std::uint32_t> byTime_;
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_QSO_INDEX_H_
