#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/text.h"

namespace platform {

// The active ANSI code page decides, as it does for the host's own texts.
bool isLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != FALSE; }

}  // namespace platform
