#ifndef ZVK_CLI_LOG_IMPORT_H_
#define ZVK_CLI_LOG_IMPORT_H_

#include <string>
#include <string_view>

#include "cli/qso.h"

namespace cli {

enum class LogFormat { kAdif, kCabrillo, kUnknown };

// Tells ADIF from Cabrillo by content: a text starting with '<' or holding
// <EOH> or <EOR> is ADIF; one starting with START-OF-LOG: or holding a QSO:
// line is Cabrillo.
LogFormat detectLogFormat(std::string_view buffer);

// The QSOs of a whole log text, whichever its format. Throws InputError for
// an empty text, an unknown format and malformed content.
ImportedLog importLog(std::string_view buffer, const std::string& fileName);

// Reads and imports the file `path`. Throws InputError when it cannot be read.
ImportedLog readLogFile(const std::string& path);

}  // namespace cli

#endif  // ZVK_CLI_LOG_IMPORT_H_
