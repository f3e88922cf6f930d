#ifndef ZVK_ROBOT_MAIL_COURIER_H_
#define ZVK_ROBOT_MAIL_COURIER_H_

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "mail/smtp_relay.h"
#include "robot/clock.h"
#include "robot/mail_outbox.h"

namespace robot {

// When a mail that could not be sent is tried again: after `attempts`
// failed attempts, or never (a mail queued longer than two days ago).
std::optional<imports::UnixTime> retryTime(int attempts, imports::UnixTime queued,
                                           imports::UnixTime now);

// Sends the outbox's mails on a thread of its own, one at a time, each when
// it is due, and records what became of it. Uploads only add to the outbox
// and wake it, so a slow or absent relay never holds an upload back.
class MailCourier {
 public:
  // Starts at once with the mails a previous run left waiting.
  MailCourier(mail::RelaySettings relay, MailOutbox& outbox, Clock clock);
  // Stops, giving up the message being sent, which stays waiting.
  ~MailCourier();

  // A new mail is in the outbox.
  void wake();

 private:
  void run();
  bool stopRequested();
  void deliver(const OutboxMail& mail);
  // Sleeps until the next attempt is due, a wake or the stop.
  void waitForWork();

  mail::RelaySettings relay_;
  MailOutbox& outbox_;
  Clock clock_;
  std::mutex mutex_;
  std::condition_variable woken_;
  bool wakeUp_ = false;
  std::atomic<bool> stopping_{false};  // set under `mutex_`, read anywhere
  std::thread thread_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_MAIL_COURIER_H_
