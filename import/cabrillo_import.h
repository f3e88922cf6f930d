#ifndef ZVK_IMPORT_CABRILLO_IMPORT_H_
#define ZVK_IMPORT_CABRILLO_IMPORT_H_

#include <string>
#include <string_view>

#include "import/cabrillo_stations.h"
#include "import/qso.h"

namespace imports {

// The QSOs of a Cabrillo text, its lines split by `layout`, and its header:
// the call sign of "CALLSIGN:", the CATEGORY lines and CLAIMED-SCORE.
// Throws InputError for a QSO line with too few fields or an unreadable
// frequency, date or time.
ImportedLog importCabrillo(std::string_view buffer, const std::string& fileName,
                           const CabrilloLayout& layout = {});

}  // namespace imports

#endif  // ZVK_IMPORT_CABRILLO_IMPORT_H_
