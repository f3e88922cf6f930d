#ifndef ZVK_TESTS_SUPPORT_PE_BUILDER_H_
#define ZVK_TESTS_SUPPORT_PE_BUILDER_H_

#include <cstdint>
#include <string>

namespace testing_support {

enum class PeFormat { kPe32, kPe32Plus };

// A minimal program image whose .rsrc section holds one version resource
// with FILEVERSION a,b,c,d (and the same product version).
std::string buildPeWithVersion(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d,
                               PeFormat format = PeFormat::kPe32);
// The same image with a manifest resource in place of the version resource.
std::string buildPeWithoutVersion();

}  // namespace testing_support

#endif  // ZVK_TESTS_SUPPORT_PE_BUILDER_H_
