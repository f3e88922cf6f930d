#include "robot/organiser_gate.h"

#include "robot/organiser_key.h"
#include "robot/organiser_pages.h"

namespace robot {
namespace {

constexpr int kSeeOther = 303;
constexpr int kForbidden = 403;
constexpr int kTooManyRequests = 429;

// Sent only back to the organiser pages, never to a request another site
// starts, and out of reach of the pages' scripts.
std::string sessionCookie(const std::string& token, imports::UnixTime lifetime) {
  return std::string(kSessionCookie) + "=" + token + "; Path=" + kOrganiserPath +
         "; Max-Age=" + std::to_string(lifetime) + "; HttpOnly; SameSite=Strict";
}

Answer toOrganiserPage(const std::string& cookie) {
  Answer answer(kSeeOther, "");
  answer.headers = {{"Location", kOrganiserPath}, {"Set-Cookie", cookie}};
  return answer;
}

}  // namespace

OrganiserGate::OrganiserGate(std::string key, Clock clock)
    : key_(std::move(key)), clock_(std::move(clock)) {}

std::optional<Answer> OrganiserGate::refusal(const Credentials& credentials) {
  if (sessions_.isOpen(credentials.session, clock_())) return std::nullopt;
  return checkKey(credentials.key, credentials.address);
}

Answer OrganiserGate::login(const std::string& key, const std::string& address) {
  if (std::optional<Answer> refused = checkKey(key, address)) return *refused;
  return toOrganiserPage(sessionCookie(sessions_.open(clock_()), OrganiserSessions::kLifetime));
}

Answer OrganiserGate::logout(const std::string& session) {
  sessions_.close(session);
  return toOrganiserPage(sessionCookie("", 0));
}

// A locked address is refused even the right key, which tells a guesser
// nothing. No key at all (a session ended) is no guess.
std::optional<Answer> OrganiserGate::checkKey(const std::string& key, const std::string& address) {
  if (key.empty()) return Answer(kForbidden, keyPage(false));
  const imports::UnixTime now = clock_();
  if (const imports::UnixTime wait = wrongKeys_.waitFor(address, now)) {
    Answer answer(kTooManyRequests, tooManyKeysPage(wait));
    answer.headers = {{"Retry-After", std::to_string(wait)}};
    return answer;
  }
  if (isOrganiserKey(key, key_)) {
    wrongKeys_.right(address);
    return std::nullopt;
  }
  wrongKeys_.wrong(address, now);
  return Answer(kForbidden, keyPage(true));
}

}  // namespace robot
