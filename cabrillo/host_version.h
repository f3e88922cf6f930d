#ifndef ZVK_CABRILLO_HOST_VERSION_H_
#define ZVK_CABRILLO_HOST_VERSION_H_

#include "platform/cstring.h"
#include "platform/env.h"

namespace cabrillo {

// Version of the host's program file in the current directory: the first
// "*.exe" whose name contains "Vylo". "2.19" for major version 2, else
// "3.1.5" (major.minor.third). Empty when there is no such file or it has no
// readable version.
CString FindHostVersion(platform::Env& env);

}  // namespace cabrillo

#endif  // ZVK_CABRILLO_HOST_VERSION_H_
