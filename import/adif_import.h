#ifndef ZVK_IMPORT_ADIF_IMPORT_H_
#define ZVK_IMPORT_ADIF_IMPORT_H_

#include <string>
#include <string_view>

#include "import/input_error.h"
#include "import/qso.h"

namespace imports {

// The QSOs of an ADIF text. Adds to `problems` the malformed ADIF that ends
// the reading and each record without a readable QSO_DATE, TIME_ON or FREQ,
// which is left out.
ImportedLog importAdif(std::string_view buffer, const std::string& fileName, LogProblems* problems);

}  // namespace imports

#endif  // ZVK_IMPORT_ADIF_IMPORT_H_
