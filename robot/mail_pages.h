#ifndef ZVK_ROBOT_MAIL_PAGES_H_
#define ZVK_ROBOT_MAIL_PAGES_H_

#include <vector>

#include "pages/html_writer.h"
#include "robot/mail_outbox.h"

namespace robot {

// The organiser's view of the receipts' mails: how many are sent, waiting
// and failed, and each with its attempts and last error.
void writeMails(pages::HtmlWriter& html, const std::vector<OutboxMail>& mails);

}  // namespace robot

#endif  // ZVK_ROBOT_MAIL_PAGES_H_
