#include "robot/mail_courier.h"

#include <algorithm>
#include <chrono>
#include <iostream>

#include "errors/tool_error.h"

namespace robot {
namespace {

constexpr imports::UnixTime kFirstRetrySeconds = 5;
constexpr imports::UnixTime kLongestRetrySeconds = 30 * 60;
constexpr imports::UnixTime kGiveUpSeconds = 2 * 24 * 60 * 60;
// Looks at the outbox at least this often, so that a clock set anew or a
// database that failed once is not waited on for long.
constexpr imports::UnixTime kLongestSleepSeconds = 60;
constexpr int kMostDoublings = 16;

void report(const std::string& what) { std::cerr << "zvk-score serve: mail: " << what << "\n"; }

}  // namespace

std::optional<imports::UnixTime> retryTime(int attempts, imports::UnixTime queued,
                                           imports::UnixTime now) {
  if (now - queued >= kGiveUpSeconds) return std::nullopt;
  const int doublings = std::clamp(attempts - 1, 0, kMostDoublings);
  return now + std::min(kFirstRetrySeconds << doublings, kLongestRetrySeconds);
}

MailCourier::MailCourier(mail::RelaySettings relay, MailOutbox& outbox, Clock clock)
    : relay_(std::move(relay)), outbox_(outbox), clock_(std::move(clock)) {
  thread_ = std::thread([this] { run(); });
}

MailCourier::~MailCourier() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  woken_.notify_all();
  thread_.join();
}

void MailCourier::wake() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    wakeUp_ = true;
  }
  woken_.notify_all();
}

bool MailCourier::stopRequested() { return stopping_; }

void MailCourier::run() {
  for (;;) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (stopping_) return;
      wakeUp_ = false;
    }
    try {
      for (const OutboxMail& mail : outbox_.due(clock_())) {
        if (stopRequested()) return;
        deliver(mail);
      }
    } catch (const errors::ToolError& error) {
      report(error.what());
    }
    waitForWork();
  }
}

void MailCourier::deliver(const OutboxMail& mail) {
  const mail::SendOutcome outcome = mail::sendMail(relay_, mail.address, mail.message, &stopping_);
  if (!outcome.sent && stopRequested()) return;  // not an attempt: the robot is stopping
  const imports::UnixTime now = clock_();
  if (outcome.sent) {
    outbox_.recordSent(mail.receipt, now);
    return;
  }
  report("receipt " + mail.receipt + " to " + mail.address + ": " + outcome.error);
  const std::optional<imports::UnixTime> retry =
      outcome.permanent ? std::nullopt : retryTime(mail.attempts + 1, mail.queued, now);
  outbox_.recordFailure(mail.receipt, outcome.error, retry);
}

void MailCourier::waitForWork() {
  imports::UnixTime sleep = kLongestSleepSeconds;
  try {
    if (const std::optional<imports::UnixTime> next = outbox_.nextAttempt()) {
      sleep = std::clamp<imports::UnixTime>(*next - clock_(), 0, kLongestSleepSeconds);
    }
  } catch (const errors::ToolError& error) {
    report(error.what());
  }
  std::unique_lock<std::mutex> lock(mutex_);
  woken_.wait_for(lock, std::chrono::seconds(sleep), [this] { return wakeUp_ || stopping_; });
}

}  // namespace robot
