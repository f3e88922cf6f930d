#include "platform/text.h"

namespace platform {

// The POSIX build treats text as single-byte characters.
bool isLeadByte(unsigned char) { return false; }

}  // namespace platform
