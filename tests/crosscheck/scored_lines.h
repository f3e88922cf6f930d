#ifndef ZVK_TESTS_CROSSCHECK_SCORED_LINES_H_
#define ZVK_TESTS_CROSSCHECK_SCORED_LINES_H_

#include <map>
#include <string>
#include <vector>

#include "crosscheck/crosscheck.h"

// Small contests written as Cabrillo logs in the working folder, checked,
// and their lines' judgements, points and multiplier flags as one text.
namespace testing_support {

using Logs = std::map<std::string, std::vector<std::string>>;  // call: QSO lines

// One station's half of a QSO: what `a` logged ("3520 CW", "0700").
void half(Logs* logs, const std::string& where, const std::string& hhmm, const std::string& a,
          const std::string& aSent, const std::string& b, const std::string& bRcvd);
// Both halves of a QSO, each call with what it sent.
void both(Logs* logs, const std::string& where, const std::string& hhmm, const std::string& a,
          const std::string& aSent, const std::string& b, const std::string& bSent);

// Writes the logs (dated 2025-06-14) and checks them from 07:00 to 09:00.
crosscheck::Results check(const Logs& logs, const crosscheck::ContestDefinition& definition);

// "Q0AA 07:00 Q0BB busted-exchange 1 -" for every line by call ("m": its
// multiplier may count), then "Q0AA=3 " for each entrant's checked score.
std::string scored(const crosscheck::Results& results);

}  // namespace testing_support

#endif  // ZVK_TESTS_CROSSCHECK_SCORED_LINES_H_
