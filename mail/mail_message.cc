#include "mail/mail_message.h"

#include "errors/tool_error.h"
#include "mail/mail_address.h"
#include "mail/quoted_printable.h"

namespace mail {
namespace {

[[noreturn]] void refuse(const char* header, const std::string& reason) {
  throw errors::ToolError(errors::ErrorKind::kBadInput, {"", 0, header}, reason);
}

std::string address(const char* header, const std::string& value) {
  const std::optional<std::string> plain = mailAddressOf(value);
  if (!plain || *plain != value) refuse(header, "\"" + value + "\" is not one plain address");
  return *plain;
}

std::string oneLine(const char* header, const std::string& value) {
  if (value.find_first_of("\r\n") != std::string::npos) {
    refuse(header, "a header's text must not hold a line break");
  }
  return value;
}

}  // namespace

std::string composeMail(const MailMessage& message) {
  std::string text;
  text += "Date: " + imports::formatMailDate(message.date) + "\r\n";
  text += "From: " + address("From", message.from) + "\r\n";
  text += "To: " + address("To", message.to) + "\r\n";
  text += "Subject: " + headerText(oneLine("Subject", message.subject)) + "\r\n";
  text += "Message-ID: " + oneLine("Message-ID", message.messageId) + "\r\n";
  text += "MIME-Version: 1.0\r\n";
  text += "Content-Type: text/plain; charset=utf-8\r\n";
  text += "Content-Transfer-Encoding: quoted-printable\r\n\r\n";
  return text + quotedPrintable(message.body);
}

}  // namespace mail
