#include "mail/mail_message.h"

#include <gtest/gtest.h>

#include <string>

#include "errors/tool_error.h"
#include "mail/mail_address.h"

namespace mail {
namespace {

// 2025-11-29 23:05:09 UTC.
constexpr imports::UnixTime kSaturdayEvening = 1764457509;

MailMessage receiptMail() {
  MailMessage message;
  message.from = "robot@zvk.example.org";
  message.to = "ann@example.org";
  message.subject = "ZVK CW Contest: log of Q1ZVK received";
  message.messageId = "<20251129-230509-3FA9C1.receipt@zvk.example.org>";
  message.date = kSaturdayEvening;
  message.body = "Log received.\n\nCall: Q1ZVK\n";
  return message;
}

constexpr char kHeaders[] =
    "Date: Sat, 29 Nov 2025 23:05:09 +0000\r\n"
    "From: robot@zvk.example.org\r\n"
    "To: ann@example.org\r\n"
    "Subject: ZVK CW Contest: log of Q1ZVK received\r\n"
    "Message-ID: <20251129-230509-3FA9C1.receipt@zvk.example.org>\r\n"
    "MIME-Version: 1.0\r\n"
    "Content-Type: text/plain; charset=utf-8\r\n"
    "Content-Transfer-Encoding: quoted-printable\r\n\r\n";

TEST(ComposeMail, ReceiptBecomesWholeMessageWithCrLfLines) {
  EXPECT_EQ(composeMail(receiptMail()),
            std::string(kHeaders) + "Log received.\r\n\r\nCall: Q1ZVK\r\n");
}

// Long lines are broken softly at 76, '=', 8-bit text and a blank before a
// line end are escaped, and a non-ASCII subject is one encoded word.
TEST(ComposeMail, EncodesWhatARelayCouldChange) {
  MailMessage message = receiptMail();
  message.subject = "Contest Zürich";
  message.body = std::string(80, 'x') + "\nscore=12 \r\nÅ\n";
  const std::string text = composeMail(message);
  const std::string subject = "Subject: =?UTF-8?Q?Contest_Z=C3=BCrich?=\r\n";
  EXPECT_NE(text.find(subject), std::string::npos) << text;
  EXPECT_EQ(
      text.substr(text.find("\r\n\r\n") + 4),
      std::string(75, 'x') + "=\r\n" + std::string(5, 'x') + "\r\nscore=3D12=20\r\n=C3=85\r\n");
}

TEST(ComposeMail, RefusesHeaderTextThatWouldAddHeaders) {
  const std::pair<std::string MailMessage::*, std::string> injected[] = {
      {&MailMessage::subject, "Log\r\nBcc: all@example.org"},
      {&MailMessage::subject, "Log\nBcc: all@example.org"},
      {&MailMessage::messageId, "<a@b>\rBcc: all@example.org"},
      {&MailMessage::to, "ann@example.org\r\nBcc: all@example.org"},
      {&MailMessage::to, "ann@example.org, bob@example.org"},
      {&MailMessage::from, "Robot <robot@zvk.example.org>"},
  };
  for (const auto& [field, value] : injected) {
    MailMessage message = receiptMail();
    message.*field = value;
    EXPECT_THROW(composeMail(message), errors::ToolError) << value;
  }
}

TEST(MailAddressOf, TakesOnePlainAddressOnly) {
  const std::pair<std::string, std::string> cases[] = {
      {"ann@example.org", "ann@example.org"},
      {"  ann.q1zvk+log@mail.example.org \t", "ann.q1zvk+log@mail.example.org"},
      {"", ""},
      {"   ", ""},
      {"ann", ""},
      {"ann@localhost", ""},
      {"ann@@example.org", ""},
      {"ann@example..org", ""},
      {".ann@example.org", ""},
      {"ann@example.org.", ""},
      {"ann@example.org, bob@example.org", ""},
      {"Ann <ann@example.org>", ""},
      {"ann@example.org\nbob@example.org", ""},
      {"ann@example.org\r\nBcc: all@example.org", ""},
      {"\"ann\"@example.org", ""},
      {"ann@exa_mple.org", ""},
      {std::string(65, 'a') + "@example.org", ""},
  };
  for (const auto& [value, address] : cases) {
    EXPECT_EQ(mailAddressOf(value).value_or(""), address) << value;
  }
}

}  // namespace
}  // namespace mail
