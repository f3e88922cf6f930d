#ifndef ZVK_FUZZ_IMPORTED_LOG_CHECK_H_
#define ZVK_FUZZ_IMPORTED_LOG_CHECK_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "import/qso.h"

// Imports `buffer` with `import`; a log that cannot be read must be answered
// with an InputError (any other exception ends the fuzzer as a crash). A log
// that was read gives QSOs in file order, each on a line of the buffer, with
// its mode in upper case.
void importAndCheck(imports::ImportedLog (*import)(std::string_view, const std::string&),
                    const std::uint8_t* data, std::size_t size);

#endif  // ZVK_FUZZ_IMPORTED_LOG_CHECK_H_
