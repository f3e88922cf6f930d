#include "crosscheck/qso_index.h"

#include <algorithm>
#include <map>
#include <utility>

#include "crosscheck/parallel_lines.h"

namespace crosscheck {
namespace {

constexpr int kHalf = 32;

// Calls and band-mode numbers fit in 32 bits; a minute, counted from 1899,
// too (it stays below 2^31 until the year 5900).
std::uint64_t pack(std::uint32_t high, std::uint32_t low) {
  return static_cast<std::uint64_t>(high) << kHalf | low;
}

std::vector<std::uint32_t> numberBandsAndModes(const ContestLogs& contest) {
  std::map<std::pair<TextId, TextId>, std::uint32_t> numbers;
  std::vector<std::uint32_t> bandMode(contest.lines.size());
  for (std::size_t i = 0; i < contest.lines.size(); ++i) {
    const auto key = std::make_pair(contest.lines[i].band, contest.lines[i].mode);
    const bool asBefore =
        i > 0 && key == std::make_pair(contest.lines[i - 1].band, contest.lines[i - 1].mode);
    bandMode[i] =
        asBefore ? bandMode[i - 1]
                 : numbers.emplace(key, static_cast<std::uint32_t>(numbers.size())).first->second;
  }
  return bandMode;
}

}  // namespace

QsoIndex::QsoIndex(const ContestLogs& contest)
    : contest_(contest), bandMode_(numberBandsAndModes(contest)) {
  sortEachLog([&](std::uint32_t i) { return pack(bandMode_[i], contest.lines[i].minute); },
              &byTime_);
  // Sorted from the time order, the lines of one call, band and mode stay in it.
  byCall_.lines = byTime_.lines;
  sortEachLog([&](std::uint32_t i) { return pack(contest.lines[i].call, bandMode_[i]); }, &byCall_);
}

template <typename Key>
void QsoIndex::sortEachLog(Key key, Order* order) const {
  if (order->lines.empty()) {
    order->lines.resize(contest_.lines.size());
    for (std::uint32_t i = 0; i < order->lines.size(); ++i) order->lines[i] = i;
  }
  order->keys.resize(contest_.lines.size());
  forEntrantHalves(contest_,
                   [&](std::size_t from, std::size_t to) { sortLogs(key, order, from, to); });
}

// Each log's part of the order is its own: the logs [from, to) are sorted
// while another thread sorts others.
template <typename Key>
void QsoIndex::sortLogs(const Key& key, Order* order, std::size_t from, std::size_t to) const {
  std::vector<std::pair<std::uint64_t, std::uint32_t>> keyed;
  for (std::size_t e = from; e < to; ++e) {
    const LogHeader& entrant = contest_.entrants[e];
    const auto first = static_cast<std::size_t>(entrant.firstLine);
    keyed.clear();
    for (std::size_t k = first; k < first + static_cast<std::size_t>(entrant.lineCount); ++k) {
      keyed.emplace_back(key(order->lines[k]), order->lines[k]);
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t k = 0; k < keyed.size(); ++k) {
      order->keys[first + k] = keyed[k].first;
      order->lines[first + k] = keyed[k].second;
    }
  }
}

LineSpan QsoIndex::find(const Order& order, std::int32_t entrant, std::uint64_t low,
                        std::uint64_t high) const {
  const LogHeader& log = contest_.entrants[entrant];
  const std::uint64_t* keys = order.keys.data() + log.firstLine;
  const std::uint64_t* end = keys + log.lineCount;
  const std::uint64_t* from = std::lower_bound(keys, end, low);
  const std::uint64_t* to = std::upper_bound(from, end, high);
  const std::uint32_t* lines = order.lines.data() + log.firstLine;
  return {lines + (from - keys), lines + (to - keys)};
}

LineSpan QsoIndex::byCall(std::int32_t entrant, TextId call, std::uint32_t like) const {
  const std::uint64_t key = pack(call, bandMode_[like]);
  return find(byCall_, entrant, key, key);
}

LineSpan QsoIndex::byTime(std::int32_t entrant, std::uint32_t like, Minute fromMinute,
                          Minute toMinute) const {
  const std::uint32_t bandMode = bandMode_[like];
  return find(byTime_, entrant, pack(bandMode, static_cast<std::uint32_t>(std::max(fromMinute, 0))),
              pack(bandMode, static_cast<std::uint32_t>(std::max(toMinute, 0))));
}

}  // namespace crosscheck
