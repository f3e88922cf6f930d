#include "crosscheck/parallel_lines.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Every line a number of its own, with more of the work at the start, as a
// contest's earlier logs hold most of the pairing.
void collectSquares(std::size_t from, std::size_t to, std::vector<std::size_t>* found) {
  for (std::size_t i = from; i < to; ++i) {
    if (i % 3 != 1) found->push_back(i * i % 10007);
  }
}

std::vector<std::size_t> onePass(std::size_t count) {
  std::vector<std::size_t> found;
  collectSquares(0, count, &found);
  return found;
}

// Counts on both sides of each block's edge, where a block's last line is
// lost or taken twice when the edges are wrong.
TEST(ParallelLines, BlocksGiveWhatOnePassGivesAtEveryEdge) {
  const std::size_t block = crosscheck::kLinesPerBlock;
  for (std::size_t count :
       {std::size_t{0}, std::size_t{1}, block - 1, block, block + 1, 3 * block + 5}) {
    SCOPED_TRACE(count);
    EXPECT_EQ(crosscheck::collectInLineOrder<std::size_t>(count, collectSquares), onePass(count));
    std::vector<std::size_t> sorted = onePass(count);
    std::sort(sorted.begin(), sorted.end());
    // Ties are allowed here: equal numbers are the same number.
    EXPECT_EQ(crosscheck::collectSorted<std::size_t>(count, collectSquares, std::less<>()), sorted);
  }
}

}  // namespace
