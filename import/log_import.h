#ifndef ZVK_IMPORT_LOG_IMPORT_H_
#define ZVK_IMPORT_LOG_IMPORT_H_

#include <optional>
#include <string>
#include <string_view>

#include "import/cabrillo_stations.h"
#include "import/input_error.h"
#include "import/qso.h"

namespace imports {

enum class LogFormat { kAdif, kCabrillo, kUnknown };

// Tells ADIF from Cabrillo by content: a text starting with '<' or holding
// <EOH> or <EOR> is ADIF; one starting with START-OF-LOG: or holding a QSO:
// line is Cabrillo.
LogFormat detectLogFormat(std::string_view buffer);

// A log text read: its QSOs, and every problem met on the way.
struct LogReading {
  ImportedLog log;       // the QSOs read; the ones with a problem left out
  LogProblems problems;  // in the order met; empty when the whole text was read
};

// The QSOs of a whole log text, whichever its format; Cabrillo lines are
// split by `layout`. A text saved as UTF-16 (with its byte-order mark) is
// read as UTF-8, and so are Cabrillo header values in an 8-bit code page. An
// empty text, an unknown format and malformed content are problems.
LogReading readLog(std::string_view buffer, const std::string& fileName,
                   const CabrilloLayout& layout = {});

// readLog for the callers that stop at the first problem: throws it as
// errors::ToolError.
ImportedLog importLog(std::string_view buffer, const std::string& fileName,
                      const CabrilloLayout& layout = {});

// The whole text of the file `path`. Throws errors::ToolError when it cannot
// be read.
std::string readLogText(const std::string& path);

// Reads and imports the file `path`. Throws errors::ToolError when it
// cannot be read.
ImportedLog readLogFile(const std::string& path, const CabrilloLayout& layout = {});

// A file that holds no QSO at all (a README beside the logs, a header
// alone) is no log: the problem of `log` when it is so.
std::optional<LogFileError> noQsoProblem(const ImportedLog& log);

// The call of the station that sent `log`: its own call, else its file name
// up to the first dot, in upper case ("logs/q1zvk.2025.cbr": "Q1ZVK").
std::string entrantCall(const ImportedLog& log);

// The category `log` is ranked in: its category values joined by blanks
// ("SINGLE-OP LOW"), empty for a log that names none.
std::string categoryLabel(const ImportedLog& log);

}  // namespace imports

#endif  // ZVK_IMPORT_LOG_IMPORT_H_
