#ifndef ZVK_MAIL_QUOTED_PRINTABLE_H_
#define ZVK_MAIL_QUOTED_PRINTABLE_H_

#include <string>
#include <string_view>

namespace mail {

// `text` (lines ended by LF or CR LF, any bytes) as a quoted-printable body:
// plain ASCII stays readable, every line ends with CR LF, none is longer
// than 76 characters, so any relay passes it unchanged.
std::string quotedPrintable(std::string_view text);

// A header's text: as it is when plain ASCII, else one encoded word of
// UTF-8 ("=?UTF-8?Q?...?=").
std::string headerText(std::string_view text);

}  // namespace mail

#endif  // ZVK_MAIL_QUOTED_PRINTABLE_H_
