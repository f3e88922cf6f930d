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
};

// Each entrant's lines sorted two ways, so that finding the other half of a
// QSO is a binary search in one log, never a walk through all of them. The
// sort keys are packed into one number beside each line, so a search reads
// one array.
class QsoIndex {
 public:
  explicit QsoIndex(const ContestLogs& contest);

  // Lines of `entrant` naming `call` on the band and mode of line `like`, by time.
  LineSpan byCall(std::int32_t entrant, TextId call, std::uint32_t like) const;
  // Lines of `entrant` on the band and mode of line `like` logged from
  // `fromMinute` to `toMinute`, both included, by time.
  LineSpan byTime(std::int32_t entrant, std::uint32_t like, Minute fromMinute,
                  Minute toMinute) const;

 private:
  struct Order {
    std::vector<std::uint64_t> keys;  // sorted within each entrant's range
    std::vector<std::uint32_t> lines;
  };
  template <typename Key>
  void sortEachLog(Key key, Order* order) const;
  template <typename Key>
  void sortLogs(const Key& key, Order* order, std::size_t from, std::size_t to) const;
  LineSpan find(const Order& order, std::int32_t entrant, std::uint64_t low,
                std::uint64_t high) const;

  const ContestLogs& contest_;
  std::vector<std::uint32_t> bandMode_;  // by line: a small number for its band and mode
  Order byCall_;
  Order byTime_;
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_QSO_INDEX_H_
