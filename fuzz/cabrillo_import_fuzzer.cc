// The Cabrillo importer of zvk-score on any text.
#include "cli/cabrillo_import.h"
#include "fuzz/imported_log_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  importAndCheck(cli::importCabrillo, data, size);
  return 0;
}
