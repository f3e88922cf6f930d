#ifndef ZVK_IMPORT_ADIF_IMPORT_H_
#define ZVK_IMPORT_ADIF_IMPORT_H_

#include <string>
#include <string_view>

#include "import/qso.h"

namespace imports {

// The QSOs of an ADIF text. Throws InputError for malformed ADIF and for a
// record without a readable QSO_DATE, TIME_ON or FREQ.
ImportedLog importAdif(std::string_view buffer, const std::string& fileName);

}  // namespace imports

#endif  // ZVK_IMPORT_ADIF_IMPORT_H_
