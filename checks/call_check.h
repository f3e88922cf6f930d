#ifndef ZVK_CHECKS_CALL_CHECK_H_
#define ZVK_CHECKS_CALL_CHECK_H_

#include "log/contest_rules.h"
#include "log/qso_log.h"
#include "platform/env.h"

// Answers of the call check.
enum CallCheckAnswer { kCallIsDupe = 0, kCallCounts = 1, kNoContestQso = 4 };

// What the host asks about: a call on a band and mode (`otherBand` null skips
// the band comparison).
struct CallQuery {
  const char* call;
  const char* mode;
  const char* band;
  const char* otherBand;
};

// False when the band or the mode is not the contest's, or the two band
// texts differ (ignoring letter case).
bool isContestQso(const CallQuery& query, const CContestRules& bands, const CContestRules& modes);
// Copies a found exchange into the host's 50-byte buffer `exchOut`.
void copyExchange(const CString& exchange, char* exchOut);

// Whether a QSO with `query.call` would count now. Unless the answer is
// kNoContestQso, copies the exchange that station sent before into `exchOut`
// (50 bytes; at most 49 and the zero byte) when it is not null.
int checkCall(const CallQuery& query, const CContestRules& bands, const CContestRules& modes,
              const CQsoLog& log, char* exchOut, platform::Env& env);

#endif  // ZVK_CHECKS_CALL_CHECK_H_
