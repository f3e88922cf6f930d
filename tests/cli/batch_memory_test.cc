#include "cli/batch_memory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

// The heap's entries of /proc/self/smaps (advice splits a mapping in
// parts): their size in KiB, and whether the kernel may back any with large
// pages.
struct HeapMapping {
  long sizeKiB = 0;
  bool largePagesAllowed = false;
};

HeapMapping heapMapping() {
  std::ifstream smaps("/proc/self/smaps");
  HeapMapping heap;
  bool inHeap = false;
  for (std::string line; std::getline(smaps, line);) {
    std::istringstream fields(line);
    std::string key;
    fields >> key;
    if (key.find('-') != std::string::npos) inHeap = line.find(" [heap]") != std::string::npos;
    if (!inHeap) continue;
    long value = 0;
    fields >> value;
    if (key == "Size:") heap.sizeKiB += value;
    if (key == "THPeligible:" && value == 1) heap.largePagesAllowed = true;
  }
  return heap;
}

bool kernelGrantsLargePagesOnAdvice() {
  std::ifstream mode("/sys/kernel/mm/transparent_hugepage/enabled");
  std::string text((std::istreambuf_iterator<char>(mode)), std::istreambuf_iterator<char>());
  return text.find("[never]") == std::string::npos && !text.empty();
}

constexpr std::size_t kMiB = std::size_t{1} << 20;

// Three times the logs' bytes and 64 MiB, at most 1 GiB.
TEST(BatchMemory, TheReservationIsThreeTimesTheLogsAndABaseWithinBounds) {
  const struct {
    std::size_t logBytes;
    std::size_t reserved;
  } kCases[] = {
      {0, 64 * kMiB},
      {80 * kMiB, 304 * kMiB},
      {320 * kMiB, 1024 * kMiB},
      {4096 * kMiB, 1024 * kMiB},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(cli::reservationFor(c.logBytes), c.reserved) << c.logBytes / kMiB << " MiB of logs";
  }
}

TEST(BatchMemory, TheHeapIsReservedAtOnceAndAdvisedForLargePages) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the sanitizer's allocator keeps no heap of the C library";
#endif
  cli::prepareMemoryForBatch(80 * kMiB);
  const HeapMapping heap = heapMapping();
  EXPECT_GE(static_cast<std::size_t>(heap.sizeKiB) << 10, 304 * kMiB)
      << "the reservation did not grow the heap";
  if (kernelGrantsLargePagesOnAdvice()) {
    EXPECT_TRUE(heap.largePagesAllowed);
  }
}

}  // namespace
