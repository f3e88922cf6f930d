#ifndef ZVK_CLI_ADIF_IMPORT_H_
#define ZVK_CLI_ADIF_IMPORT_H_

#include <string>
#include <string_view>

#include "cli/qso.h"

namespace cli {

// The QSOs of an ADIF text. Throws InputError for malformed ADIF and for a
// record without a readable QSO_DATE, TIME_ON or FREQ.
ImportedLog importAdif(std::string_view buffer, const std::string& fileName);

}  // namespace cli

#endif  // ZVK_CLI_ADIF_IMPORT_H_
