#ifndef ZVK_CROSSCHECK_LINE_HALVES_H_
#define ZVK_CROSSCHECK_LINE_HALVES_H_

#include <cstddef>
#include <future>
#include <vector>

#include "crosscheck/contest_logs.h"

namespace crosscheck {

// What `collect(from, to)` finds in the lines [0, count), the second half
// looked through on a second thread; the halves are joined in line order, so
// the result is the one a single pass gives.
template <typename T, typename Collect>
std::vector<T> collectInHalves(std::size_t count, const Collect& collect) {
  const std::size_t middle = count / 2;
  std::future<std::vector<T>> second =
      std::async(std::launch::async, [&] { return collect(middle, count); });
  std::vector<T> found = collect(0, middle);
  std::vector<T> rest = second.get();
  found.insert(found.end(), rest.begin(), rest.end());
  return found;
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
