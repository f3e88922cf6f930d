#ifndef ZVK_ROBOT_ORGANISER_GATE_H_
#define ZVK_ROBOT_ORGANISER_GATE_H_

#include <optional>
#include <string>

#include "robot/answer.h"
#include "robot/clock.h"
#include "robot/organiser_sessions.h"
#include "robot/wrong_key_limit.h"

namespace robot {

// What a request shows of who sends it.
struct Credentials {
  std::string key;      // from the key header, for scripts
  std::string session;  // from the session cookie, for browsers
  std::string address;  // the client's
};

// Who may use the organiser pages: the key in a header, or the session a
// login with the key opened. Wrong keys are limited by address.
class OrganiserGate {
 public:
  OrganiserGate(std::string key, Clock clock);

  // None when the request may go on, else the answer that refuses it.
  std::optional<Answer> refusal(const Credentials& credentials);
  // The login form: a new session's cookie and the way to the organiser
  // page, or the refusal.
  Answer login(const std::string& key, const std::string& address);
  // Ends the session and clears its cookie.
  Answer logout(const std::string& session);

 private:
  std::optional<Answer> checkKey(const std::string& key, const std::string& address);

  std::string key_;
  Clock clock_;
  OrganiserSessions sessions_;
  WrongKeyLimit wrongKeys_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_ORGANISER_GATE_H_
