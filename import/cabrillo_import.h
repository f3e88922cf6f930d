#ifndef ZVK_IMPORT_CABRILLO_IMPORT_H_
#define ZVK_IMPORT_CABRILLO_IMPORT_H_

#include <string>
#include <string_view>

#include "import/cabrillo_stations.h"
#include "import/input_error.h"
#include "import/qso.h"

namespace imports {

// The QSOs of a Cabrillo text, its lines split by `layout`, and its header:
// the call sign of "CALLSIGN:", the CATEGORY lines and CLAIMED-SCORE.
// A QSO line with too few fields or an unreadable frequency, date or time
// is left out and added to `problems`.
ImportedLog importCabrillo(std::string_view buffer, const std::string& fileName,
                           const CabrilloLayout& layout, LogProblems* problems);

}  // namespace imports

#endif  // ZVK_IMPORT_CABRILLO_IMPORT_H_
