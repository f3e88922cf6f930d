// The Cabrillo importer of zvk-score on any text, in the layouts of contests
// with an exchange alone, a report and an exchange, and a longer exchange.
#include "fuzz/imported_log_check.h"
#include "import/cabrillo_import.h"

namespace {

template <int kExchangeFields>
imports::ImportedLog importInLayout(std::string_view buffer, const std::string& fileName,
                                    imports::LogProblems* problems) {
  return imports::importCabrillo(buffer, fileName, imports::CabrilloLayout{kExchangeFields},
                                 problems);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  importAndCheck(importInLayout<1>, data, size);
  importAndCheck(importInLayout<2>, data, size);
  importAndCheck(importInLayout<3>, data, size);
  return 0;
}
