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

TEST(BatchMemory, TheHeapIsReservedAtOnceAndAdvisedForLargePages) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the sanitizer's allocator keeps no heap of the C library";
#endif
  constexpr std::size_t kLogBytes = 80 << 20;
  cli::prepareMemoryForBatch(kLogBytes);
  const HeapMapping heap = heapMapping();
  EXPECT_GE(static_cast<std::size_t>(heap.sizeKiB) << 10, cli::reservationFor(kLogBytes))
      << "the reservation did not grow the heap";
  if (kernelGrantsLargePagesOnAdvice()) {
    EXPECT_TRUE(heap.largePagesAllowed);
  }
}

}  // namespace
