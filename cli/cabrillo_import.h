#ifndef ZVK_CLI_CABRILLO_IMPORT_H_
#define ZVK_CLI_CABRILLO_IMPORT_H_

#include <string>
#include <string_view>

#include "cli/cabrillo_stations.h"
#include "cli/qso.h"

namespace cli {

// The QSOs of a Cabrillo text, its lines split by `layout`, and its header:
// the call sign of "CALLSIGN:", the CATEGORY lines and CLAIMED-SCORE.
// Throws InputError for a QSO line with too few fields or an unreadable
// frequency, date or time.
ImportedLog importCabrillo(std::string_view buffer, const std::string& fileName,
                           const CabrilloLayout& layout = {});

}  // namespace cli

#endif  // ZVK_CLI_CABRILLO_IMPORT_H_
