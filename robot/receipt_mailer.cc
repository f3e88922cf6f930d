#include "robot/receipt_mailer.h"

#include <algorithm>
#include <iostream>

#include "errors/tool_error.h"
#include "mail/mail_address.h"
#include "mail/mail_message.h"
#include "robot/receipt_text.h"

namespace robot {
namespace {

constexpr char kNoLine[] = "none sent: the log has no EMAIL: line";
constexpr char kNotQueued[] = "none sent: the robot could not queue the mail";

std::string domainOf(const std::string& address) { return address.substr(address.find('@') + 1); }

}  // namespace

ReceiptMailer::ReceiptMailer(mail::RelaySettings relay, const std::string& outboxPath,
                             std::string contestName, Clock clock)
    : relay_(std::move(relay)),
      contestName_(std::move(contestName)),
      clock_(std::move(clock)),
      outbox_(outboxPath),
      courier_(relay_, outbox_, clock_) {}

std::string ReceiptMailer::compose(const Submission& submission, const LogFacts& facts,
                                   const std::string& address, const std::string& note) const {
  mail::MailMessage message;
  message.from = relay_.from;
  message.to = address;
  message.subject =
      contestName_ + ": log of " + facts.call + " received, receipt " + submission.receipt;
  message.messageId = "<" + submission.receipt + ".receipt@" + domainOf(relay_.from) + ">";
  message.date = submission.received;
  message.body = receiptText(contestName_, submission, facts, note);
  return mail::composeMail(message);
}

// The address a receipt goes to, or why it goes nowhere.
ReceiptMailer::Recipient ReceiptMailer::recipientOf(const LogFacts& facts) {
  if (facts.email.empty()) return {std::nullopt, kNoLine};
  const std::optional<std::string> address = mail::mailAddressOf(facts.email);
  if (!address)
    return {std::nullopt, "none sent: EMAIL: \"" + facts.email + "\" is not one e-mail address"};
  return {address, "a copy of this receipt is mailed to " + *address};
}

std::string ReceiptMailer::queue(const Submission& submission, const LogFacts& facts) {
  const Recipient recipient = recipientOf(facts);
  if (!recipient.address) return recipient.note;
  try {
    outbox_.add(submission.receipt, *recipient.address,
                compose(submission, facts, *recipient.address, recipient.note), clock_());
  } catch (const errors::ToolError& error) {
    std::cerr << "zvk-score serve: mail: " << error.what() << "\n";
    return kNotQueued;
  }
  courier_.wake();
  return recipient.note;
}

std::string ReceiptMailer::noteFor(const Submission& submission, const LogFacts& facts) const {
  const Recipient recipient = recipientOf(facts);
  if (!recipient.address) return recipient.note;
  const std::vector<OutboxMail> all = outbox_.all();
  const bool queued = std::any_of(all.begin(), all.end(), [&](const OutboxMail& mail) {
    return mail.receipt == submission.receipt;
  });
  return queued ? recipient.note : kNotQueued;
}

std::vector<OutboxMail> ReceiptMailer::mails() const { return outbox_.all(); }

}  // namespace robot
