#ifndef ZVK_FUZZ_IMPORTED_LOG_CHECK_H_
#define ZVK_FUZZ_IMPORTED_LOG_CHECK_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "import/input_error.h"
#include "import/qso.h"

// Imports `buffer` with `import`, which must not throw (an exception ends the
// fuzzer as a crash). The QSOs read are in file order, each on a line of the
// buffer, with their mode in upper case; each problem is on a line of it.
void importAndCheck(imports::ImportedLog (*import)(std::string_view, const std::string&,
                                                   imports::LogProblems*),
                    const std::uint8_t* data, std::size_t size);

#endif  // ZVK_FUZZ_IMPORTED_LOG_CHECK_H_
