#ifndef ZVK_ROBOT_HEADER_CORRECTIONS_H_
#define ZVK_ROBOT_HEADER_CORRECTIONS_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "import/qso.h"

namespace robot {

// The header lines the review page shows and the operator may correct, in
// the page's order: the call, each Cabrillo category field, the operators,
// the e-mail address, the club and the soapbox.
const std::vector<std::string>& reviewedTags();

// The soapbox: the one reviewed field of several lines.
constexpr char kSoapboxTag[] = "SOAPBOX";

// The value of the reviewed header line `tag` as `log` gives it: the call
// sign for CALLSIGN, the last line's value, the soapbox's lines joined.
std::string headerValue(const imports::ImportedLog& log, const std::string& tag);

// The header the review form gives, each reviewed tag read by `valueOf`: a
// value on one line, blanks around it dropped; the soapbox one line for each
// line given.
std::vector<imports::HeaderValue> headerFromForm(
    const std::function<std::string(const std::string& tag)>& valueOf);

// `text` (Cabrillo or ADIF) with its header as `header` gives it: every line
// of a reviewed tag (and a 2.0 CATEGORY: line) replaced by the non-empty
// values given, after START-OF-LOG:; an ADIF log gets them as header fields
// (imports::adifHeaderField). QSOs and every other line stay as they were.
// A header that says what `text` says leaves it as it is. A UTF-16 text is
// corrected as UTF-8. Throws errors::ToolError for a text
// that is not valid UTF-16 after its mark.
std::string correctedLog(std::string_view text, const std::vector<imports::HeaderValue>& header);

}  // namespace robot

#endif  // ZVK_ROBOT_HEADER_CORRECTIONS_H_
