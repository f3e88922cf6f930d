#ifndef ZVK_CLI_CABRILLO_IMPORT_H_
#define ZVK_CLI_CABRILLO_IMPORT_H_

#include <string>
#include <string_view>

#include "cli/qso.h"

namespace cli {

// The QSOs of a Cabrillo text: its "QSO:" lines and the call sign of its
// "CALLSIGN:" header line. Throws InputError for a QSO line with too few
// fields or an unreadable frequency, date or time.
ImportedLog importCabrillo(std::string_view buffer, const std::string& fileName);

}  // namespace cli

#endif  // ZVK_CLI_CABRILLO_IMPORT_H_
