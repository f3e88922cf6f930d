#include "crosscheck/qso_index.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace crosscheck {
namespace {

auto callKey(const Line& line) {
  return std::make_tuple(line.call, line.band, line.mode, line.minute);
}
auto timeKey(const Line& line) { return std::make_tuple(line.band, line.mode, line.minute); }

template <typename Key>
void sortEachLog(const ContestLogs& contest, Key key, std::vector<std::uint32_t>* order) {
  order->resize(contest.lines.size());
  std::iota(order->begin(), order->end(), 0u);
  for (const LogHeader& entrant : contest.entrants) {
    auto first = order->begin() + entrant.firstLine;
    std::stable_sort(first, first + entrant.lineCount, [&](std::uint32_t a, std::uint32_t b) {
      return key(contest.lines[a]) < key(contest.lines[b]);
    });
  }
}

}  // namespace

QsoIndex::QsoIndex(const ContestLogs& contest) : contest_(contest) {
  sortEachLog(contest, callKey, &byCall_);
  sortEachLog(contest, timeKey, &byTime_);
}

LineSpan QsoIndex::byCall(std::int32_t entrant, TextId call, TextId band, TextId mode) const {
  const LogHeader& log = contest_.entrants[entrant];
  const std::uint32_t* first = byCall_.data() + log.firstLine;
  const std::uint32_t* last = first + log.lineCount;
  const auto wanted = std::make_tuple(call, band, mode);
  auto below = [&](std::uint32_t line, const decltype(wanted)& key) {
    const Line& l = contest_.lines[line];
    return std::make_tuple(l.call, l.band, l.mode) < key;
  };
  auto above = [&](const decltype(wanted)& key, std::uint32_t line) {
    const Line& l = contest_.lines[line];
    return key < std::make_tuple(l.call, l.band, l.mode);
  };
  return {std::lower_bound(first, last, wanted, below),
          std::upper_bound(first, last, wanted, above)};
}

LineSpan QsoIndex::byTime(std::int32_t entrant, TextId band, TextId mode, Minute fromMinute,
                          Minute toMinute) const {
  const LogHeader& log = contest_.entrants[entrant];
  const std::uint32_t* first = byTime_.data() + log.firstLine;
  const std::uint32_t* last = first + log.lineCount;
  auto below = [&](std::uint32_t line, const auto& key) {
    return timeKey(contest_.lines[line]) < key;
  };
  auto above = [&](const auto& key, std::uint32_t line) {
    return key < timeKey(contest_.lines[line]);
  };
  return {std::lower_bound(first, last, std::make_tuple(band, mode, fromMinute), below),
          std::upper_bound(first, last, std::make_tuple(band, mode, toMinute), above)};
}

}  // namespace crosscheck
