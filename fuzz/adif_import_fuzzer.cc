// The ADIF importer of zvk-score on any text.
#include "fuzz/imported_log_check.h"
#include "import/adif_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  importAndCheck(imports::importAdif, data, size);
  return 0;
}
