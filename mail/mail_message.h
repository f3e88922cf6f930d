#ifndef ZVK_MAIL_MAIL_MESSAGE_H_
#define ZVK_MAIL_MAIL_MESSAGE_H_

#include <string>

#include "import/utc_time.h"

namespace mail {

// One plain-text mail to one address.
struct MailMessage {
  std::string from;  // plain addresses, as mailAddressOf gives them
  std::string to;
  std::string subject;    // UTF-8
  std::string messageId;  // "<...@...>"
  imports::UnixTime date = 0;
  std::string body;  // UTF-8 text, lines ended by LF
};

// The message as a relay takes it: the headers and the quoted-printable
// body, every line ended by CR LF. Throws errors::ToolError (kBadInput)
// when an address is not one plain address or a header's text holds a line
// break, which could add headers of its own.
std::string composeMail(const MailMessage& message);

}  // namespace mail

#endif  // ZVK_MAIL_MAIL_MESSAGE_H_
