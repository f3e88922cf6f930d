// The Cabrillo importer of zvk-score on any text, in the layouts of contests
// with an exchange alone, a report and an exchange, and a longer exchange.
#include "cli/cabrillo_import.h"
#include "fuzz/imported_log_check.h"

namespace {

template <int kExchangeFields>
cli::ImportedLog importInLayout(std::string_view buffer, const std::string& fileName) {
  return cli::importCabrillo(buffer, fileName, cli::CabrilloLayout{kExchangeFields});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  importAndCheck(importInLayout<1>, data, size);
  importAndCheck(importInLayout<2>, data, size);
  importAndCheck(importInLayout<3>, data, size);
  return 0;
}
