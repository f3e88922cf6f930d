#ifndef ZVK_CROSSCHECK_LINE_HALVES_H_
#define ZVK_CROSSCHECK_LINE_HALVES_H_

#include <algorithm>
#include <cstddef>
#include <future>
#include <utility>
#include <vector>

#include "crosscheck/contest_logs.h"

namespace crosscheck {

// What `collect(from, to)` finds in the first and in the second half of the
// lines [0, count), the second half looked through on a second thread.
template <typename T, typename Collect>
std::pair<std::vector<T>, std::vector<T>> collectHalves(std::size_t count, const Collect& collect) {
  const std::size_t middle = count / 2;
  std::future<std::vector<T>> second =
      std::async(std::launch::async, [&] { return collect(middle, count); });
  std::vector<T> first = collect(0, middle);
  return {std::move(first), second.get()};
}

// The halves joined in line order: the result a single pass gives.
template <typename T, typename Collect>
std::vector<T> collectInHalves(std::size_t count, const Collect& collect) {
  auto [found, rest] = collectHalves<T>(count, collect);
  found.insert(found.end(), rest.begin(), rest.end());
  return found;
}

// The halves each sorted on its own thread, then merged: the order one sort
// of everything gives, as `less` leaves no two items tied.
template <typename T, typename Collect, typename Less>
std::vector<T> collectSortedInHalves(std::size_t count, const Collect& collect, const Less& less) {
  auto [first, second] = collectHalves<T>(count, [&](std::size_t from, std::size_t to) {
    std::vector<T> items = collect(from, to);
    std::sort(items.begin(), items.end(), less);
    return items;
  });
  std::vector<T> all(first.size() + second.size());
  std::merge(first.begin(), first.end(), second.begin(), second.end(), all.begin(), less);
  return all;
}

// Runs `work(from, to)` on the entrants [from, to) in two parts of about
// equal lines, the second on a second thread: for work each log does alone.
template <typename Work>
void forEntrantHalves(const ContestLogs& contest, const Work& work) {
  std::size_t middle = 0;
  while (middle < contest.entrants.size() &&
         2 * static_cast<std::size_t>(contest.entrants[middle].firstLine) < contest.lines.size()) {
    ++middle;
  }
  std::future<void> second =
      std::async(std::launch::async, [&] { work(middle, contest.entrants.size()); });
  work(0, middle);
  second.get();
}

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_LINE_HALVES_H_
