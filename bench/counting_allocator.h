#ifndef ZVK_BENCH_COUNTING_ALLOCATOR_H_
#define ZVK_BENCH_COUNTING_ALLOCATOR_H_

#include <cstddef>

// zvk-bench replaces the global operator new and delete to count the bytes
// the process has asked for and not yet given back (the plug-in's included).
std::size_t liveHeapBytes();

#endif  // ZVK_BENCH_COUNTING_ALLOCATOR_H_
