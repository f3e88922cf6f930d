#ifndef ZVK_PLATFORM_PE_VERSION_H_
#define ZVK_PLATFORM_PE_VERSION_H_

#include <cstdint>
#include <string_view>

namespace platform {

// File version words (most and least significant) of the fixed version
// information in the version resource of a PE program image (PE32 or PE32+).
// Any bytes are safe input; returns false when no readable version is found.
bool findPeFileVersion(std::string_view image, std::uint32_t* versionMs, std::uint32_t* versionLs);

}  // namespace platform

#endif  // ZVK_PLATFORM_PE_VERSION_H_
