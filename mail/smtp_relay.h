#ifndef ZVK_MAIL_SMTP_RELAY_H_
#define ZVK_MAIL_SMTP_RELAY_H_

#include <atomic>
#include <string>

namespace mail {

// The SMTP relay the organiser's mail goes out through.
struct RelaySettings {
  std::string url;   // "smtp://host:port" (TLS when the relay offers it) or "smtps://host:port"
  std::string from;  // the envelope and header sender, a plain address
  std::string user;  // empty: no login; else TLS is required, so the password never travels bare
  std::string password;
  long timeoutSeconds = 60;  // for one message, connecting included
};

// What became of one message.
struct SendOutcome {
  bool sent = false;
  // The relay refused it for good (a 5xx answer): trying again changes nothing.
  bool permanent = false;
  std::string error;  // why it was not sent
};

// Hands `message` (composeMail's text) for `to` to the relay; gives up
// within about a second once `cancel` is set. Safe from any thread; never
// throws.
SendOutcome sendMail(const RelaySettings& relay, const std::string& to, const std::string& message,
                     const std::atomic<bool>* cancel);

}  // namespace mail

#endif  // ZVK_MAIL_SMTP_RELAY_H_
