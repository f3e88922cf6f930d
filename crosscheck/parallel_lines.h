#ifndef ZVK_CROSSCHECK_PARALLEL_LINES_H_
#define ZVK_CROSSCHECK_PARALLEL_LINES_H_

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <future>
#include <utility>
#include <vector>

#include "crosscheck/contest_logs.h"

namespace crosscheck {

// Lines are handed out in blocks of this many, to whichever of two threads
// is free: a pair of logs is looked at from the earlier log's lines only, so
// the first lines hold most of the work, and a fixed split leaves one core
// idle for much of the time.
constexpr std::size_t kLinesPerBlock = 4096;

// Runs `work(thread, from, to)` on every block of the lines [0, count),
// `thread` 0 or 1, the second on a second thread.
template <typename Work>
void forLineBlocks(std::size_t count, const Work& work) {
  std::atomic<std::size_t> next{0};
  auto run = [&](int thread) {
    for (std::size_t from = next.fetch_add(kLinesPerBlock); from < count;
         from = next.fetch_add(kLinesPerBlock)) {
      work(thread, from, std::min(count, from + kLinesPerBlock));
    }
  };
  std::future<void> second = std::async(std::launch::async, run, 1);
  run(0);
  second.get();
}

// What `collect(from, to, &found)` adds for the lines [0, count), in line
// order: the result a single pass gives.
template <typename T, typename Collect>
std::vector<T> collectInLineOrder(std::size_t count, const Collect& collect) {
  std::vector<std::vector<T>> blocks((count + kLinesPerBlock - 1) / kLinesPerBlock);
  forLineBlocks(count, [&](int, std::size_t from, std::size_t to) {
    collect(from, to, &blocks[from / kLinesPerBlock]);
  });
  std::size_t total = 0;
  for (const std::vector<T>& block : blocks) total += block.size();
  std::vector<T> all;
  all.reserve(total);
  for (const std::vector<T>& block : blocks) all.insert(all.end(), block.begin(), block.end());
  return all;
}

// The same, each thread's finds sorted on that thread, then merged: the
// order one sort of everything gives, as `less` leaves no two items tied.
template <typename T, typename Collect, typename Less>
std::vector<T> collectSorted(std::size_t count, const Collect& collect, const Less& less) {
  std::vector<T> found[2];
  forLineBlocks(count, [&](int thread, std::size_t from, std::size_t to) {
    collect(from, to, &found[thread]);
  });
  auto sortOne = [&](int thread) { std::sort(found[thread].begin(), found[thread].end(), less); };
  std::future<void> second = std::async(std::launch::async, sortOne, 1);
  sortOne(0);
  second.get();
  std::vector<T> all(found[0].size() + found[1].size());
  std::merge(found[0].begin(), found[0].end(), found[1].begin(), found[1].end(), all.begin(), less);
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

#endif  // ZVK_CROSSCHECK_PARALLEL_LINES_H_
