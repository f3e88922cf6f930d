#ifndef ZVK_ROBOT_RECEIPT_MAILER_H_
#define ZVK_ROBOT_RECEIPT_MAILER_H_

#include <optional>
#include <string>
#include <vector>

#include "mail/smtp_relay.h"
#include "robot/clock.h"
#include "robot/log_facts.h"
#include "robot/mail_courier.h"
#include "robot/mail_outbox.h"
#include "robot/submission.h"

namespace robot {

// Mails each receipt to the address its log's EMAIL: line gives: the mail
// is queued in the outbox, which a courier empties through the relay.
class ReceiptMailer {
 public:
  // Opens the outbox `outboxPath` and starts sending what it holds. Throws
  // errors::ToolError (kIo).
  ReceiptMailer(mail::RelaySettings relay, const std::string& outboxPath, std::string contestName,
                Clock clock);

  // Queues the receipt's mail when the log names one address, and returns
  // what the receipt says about it: where it goes, or why it does not.
  // Never throws: the log is kept whatever becomes of its mail.
  std::string queue(const Submission& submission, const LogFacts& facts);
  // What the receipt of `submission`, shown again, says about its mail.
  std::string noteFor(const Submission& submission, const LogFacts& facts) const;
  // Every mail and what became of it.
  std::vector<OutboxMail> mails() const;

 private:
  struct Recipient {
    std::optional<std::string> address;  // none: no mail
    std::string note;                    // what the receipt says of it
  };
  static Recipient recipientOf(const LogFacts& facts);
  std::string compose(const Submission& submission, const LogFacts& facts,
                      const std::string& address, const std::string& note) const;

  mail::RelaySettings relay_;
  std::string contestName_;
  Clock clock_;
  MailOutbox outbox_;
  MailCourier courier_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_RECEIPT_MAILER_H_
