#include "robot/mail_outbox.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "robot/mail_courier.h"
#include "tests/support/temp_dir.h"

namespace robot {
namespace {

constexpr imports::UnixTime kNoon = 1764417600;  // 2025-11-29 12:00:00 UTC
constexpr imports::UnixTime kTwoDays = 2 * 24 * 60 * 60;

using MailOutboxTest = testing_support::TempDirTest;

// Receipt, state, attempts, the next try or the sending (seconds after
// noon) and the last error: what the organiser page shows.
std::string summary(const std::vector<OutboxMail>& mails) {
  std::string text;
  for (const OutboxMail& mail : mails) {
    text += mail.receipt + " " + mailStateName(mail.state) + " " + std::to_string(mail.attempts);
    if (mail.state == MailState::kWaiting)
      text += " next " + std::to_string(mail.nextAttempt - kNoon);
    if (mail.state == MailState::kSent) text += " sent " + std::to_string(mail.sent - kNoon);
    text += " [" + mail.lastError + "]\n";
  }
  return text;
}

// Each mail's course through the outbox, read back by a second opening, as
// after a restart: due when its time comes, retried, sent or failed for good.
TEST_F(MailOutboxTest, MailsWaitUntilDueAndKeepTheirStateAcrossARestart) {
  {
    MailOutbox outbox("outbox.sqlite");
    outbox.add("R1", "ann@example.org", "text 1", kNoon);
    outbox.add("R2", "bob@example.org", "text 2", kNoon + 1);
    outbox.add("R3", "cy@example.org", "text 3", kNoon + 2);
    EXPECT_EQ(outbox.due(kNoon).size(), 1u);
    outbox.recordFailure("R1", "connection refused", kNoon + 10);
    outbox.recordSent("R2", kNoon + 3);
    outbox.recordFailure("R3", "550 no such user", std::nullopt);
  }
  MailOutbox reopened("outbox.sqlite");
  EXPECT_EQ(summary(reopened.all()),
            "R1 waiting 1 next 10 [connection refused]\n"
            "R2 sent 1 sent 3 []\n"
            "R3 failed 1 [550 no such user]\n");
  EXPECT_TRUE(reopened.due(kNoon + 9).empty());
  EXPECT_EQ(reopened.nextAttempt(), kNoon + 10);
  const std::vector<OutboxMail> due = reopened.due(kNoon + 10);
  ASSERT_EQ(due.size(), 1u);
  EXPECT_EQ(due[0].message, "text 1");
}

TEST(RetryTime, DoublesFromFiveSecondsToHalfAnHourAndGivesUpAfterTwoDays) {
  const std::pair<std::optional<imports::UnixTime>, std::optional<imports::UnixTime>> cases[] = {
      {retryTime(1, kNoon, kNoon), kNoon + 5},
      {retryTime(2, kNoon, kNoon), kNoon + 10},
      {retryTime(9, kNoon, kNoon), kNoon + 1280},
      {retryTime(10, kNoon, kNoon), kNoon + 1800},
      {retryTime(1000, kNoon, kNoon), kNoon + 1800},
      {retryTime(3, kNoon, kNoon + kTwoDays - 1), kNoon + kTwoDays - 1 + 20},
      {retryTime(3, kNoon, kNoon + kTwoDays), std::nullopt},
  };
  for (const auto& [retry, expected] : cases) EXPECT_EQ(retry, expected);
}

}  // namespace
}  // namespace robot
