#include "cli/batch_memory.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace cli {
namespace {

// Address space taken at once, so that the heap is one mapping the kernel
// can back with large pages; only what is touched uses memory. A contest
// takes about twice its logs' bytes; the reservation has room for three
// times and a base, within bounds.
constexpr std::size_t kInputShares = 3;
constexpr std::size_t kFewestReservedBytes = 64 << 20;
constexpr std::size_t kMostReservedBytes = 1 << 30;
// Later growth, should a contest outgrow the reservation.
constexpr int kGrowthBytes = 64 << 20;
// Blocks below this come from the heap, not from a mapping of their own.
constexpr int kLargestHeapBlock = 32 << 20;
// More than the heap holds free at start, so that asking for it grows the heap.
constexpr std::size_t kGrowingRequest = 4 << 20;
constexpr std::uintptr_t kLargePage = 2 << 20;

char* roundUpToLargePage(char* address) {
  const auto value = reinterpret_cast<std::uintptr_t>(address);
  return reinterpret_cast<char*>((value + kLargePage - 1) & ~(kLargePage - 1));
}

}  // namespace

std::size_t reservationFor(std::size_t inputBytes) {
  const std::size_t wanted = kFewestReservedBytes + kInputShares * inputBytes;
  return std::min(wanted, kMostReservedBytes);
}

void prepareMemoryForBatch(std::size_t inputBytes) {
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
  mallopt(M_TRIM_THRESHOLD, INT_MAX);
  mallopt(M_TOP_PAD, static_cast<int>(reservationFor(inputBytes)));
  char* const heapEnd = static_cast<char*>(sbrk(0));
  // Kept in a volatile, or the compiler drops the pair as having no effect.
  void* volatile growing = std::malloc(kGrowingRequest);
  std::free(growing);
  char* const reservedEnd = static_cast<char*>(sbrk(0));
  char* const firstLargePage = roundUpToLargePage(heapEnd);
  // Where the address space was refused the heap did not grow, and the
  // pages stay as they are.
  if (reservedEnd > firstLargePage) {
    madvise(firstLargePage, static_cast<std::size_t>(reservedEnd - firstLargePage), MADV_HUGEPAGE);
  }
  mallopt(M_TOP_PAD, kGrowthBytes);
}

}  // namespace cli
