#include "robot/mail_pages.h"

#include "import/utc_time.h"
#include "pages/page_sections.h"

namespace robot {
namespace {

// When it went, or when it is tried next; nothing once it has failed for good.
std::string whenText(const OutboxMail& mail) {
  if (mail.state == MailState::kSent) return imports::formatUtc(mail.sent);
  if (mail.state == MailState::kWaiting) return "next try " + imports::formatUtc(mail.nextAttempt);
  return "";
}

std::string countsText(const std::vector<OutboxMail>& mails) {
  int counts[3] = {0, 0, 0};
  for (const OutboxMail& mail : mails) ++counts[static_cast<int>(mail.state)];
  std::string text;
  for (MailState state : {MailState::kSent, MailState::kWaiting, MailState::kFailed}) {
    text += (text.empty() ? "" : ", ") + std::to_string(counts[static_cast<int>(state)]) + " " +
            mailStateName(state);
  }
  return text;
}

}  // namespace

void writeMails(pages::HtmlWriter& html, const std::vector<OutboxMail>& mails) {
  pages::openSection(html, "mail", "Receipts mailed (" + countsText(mails) + ")");
  html.open("div", {{"class", "wide"}}).open("table", {{"class", "mail"}});
  pages::writeHeadings(html, {{"Receipt", false},
                              {"To", false},
                              {"State", false},
                              {"Attempts"},
                              {"Sent or next try", false},
                              {"Last error", false}});
  html.open("tbody");
  for (const OutboxMail& mail : mails) {
    html.open("tr").element("td", mail.receipt).element("td", mail.address);
    html.element("td", mailStateName(mail.state));
    pages::writeNumberCell(html, mail.attempts);
    html.element("td", whenText(mail)).element("td", mail.lastError).close();
  }
  html.close().close().close().close();
}

}  // namespace robot
