#include "robot/receipt_code.h"

#include <sys/random.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "errors/tool_error.h"

namespace robot {
namespace {

std::uint64_t randomBits() {
  std::uint64_t bits = 0;
  ssize_t got = -1;
  do {
    got = ::getrandom(&bits, sizeof bits, 0);
  } while (got < 0 && errno == EINTR);
  if (got != static_cast<ssize_t>(sizeof bits)) {
    throw errors::ToolError(errors::ErrorKind::kIo, {},
                            std::string("cannot draw a receipt code: ") + std::strerror(errno));
  }
  return bits;
}

}  // namespace

std::string newReceiptCode(imports::UnixTime received) {
  char random[20];
  std::snprintf(random, sizeof random, "-%016llX", static_cast<unsigned long long>(randomBits()));
  return imports::formatCompactUtc(received) + random;
}

}  // namespace robot
