#ifndef ZVK_CLI_BATCH_MEMORY_H_
#define ZVK_CLI_BATCH_MEMORY_H_

#include <cstddef>

namespace cli {

// Sets the C library's allocator up for one large run that builds its data
// once and exits: one heap for every thread, backed by 2 MiB pages where the
// kernel grants them, and nothing handed back before the end. On a virtual
// machine a first touch of a 4 KiB page can cost microseconds, and a
// contest of a million lines touches a quarter of a gigabyte. The heap is
// sized for `inputBytes` of logs (up to a gigabyte; it grows beyond).
void prepareMemoryForBatch(std::size_t inputBytes);

// The address space reserved for `inputBytes` of logs.
std::size_t reservationFor(std::size_t inputBytes);

}  // namespace cli

#endif  // ZVK_CLI_BATCH_MEMORY_H_
