#include "checks/call_check.h"

#include <cstring>

#include "log/dupe_window.h"
#include "platform/text.h"

namespace {

constexpr std::size_t kExchOutBytes = 50;

bool isContestQso(const CallQuery& query, const CContestRules& bands, const CContestRules& modes) {
  if (query.band && query.otherBand && !platform::equalNoCase(query.band, query.otherBand)) {
    return false;
  }
  return bands.contains(query.band) && modes.contains(query.mode);
}

// Scans the log for the station; `found` receives the exchange it sent last.
int scanLog(const CallQuery& query, const CQsoLog& log, std::int64_t nowHour, CString* found) {
  for (const CInfo& stored : log) {
    if (!platform::equalExact(stored.call, query.call)) continue;
    if (!platform::equalExact(stored.band, query.band)) {
      *found = stored.exchRcvd;
    } else if (dupe_window::isInside(nowHour, stored.time)) {
      *found = stored.exchRcvd;
      return kCallIsDupe;
    }
  }
  return kCallCounts;
}

// The host's buffer holds 50 bytes: longer exchanges are cut at a character
// boundary rather than overrunning it.
void copyExchange(const CString& exchange, char* exchOut) {
  std::size_t length = platform::prefixLengthAtCharBoundary(exchange, kExchOutBytes - 1);
  std::memcpy(exchOut, exchange.GetString(), length);
  exchOut[length] = '\0';
}

}  // namespace

int checkCall(const CallQuery& query, const CContestRules& bands, const CContestRules& modes,
              const CQsoLog& log, char* exchOut, platform::Env& env) {
  if (!isContestQso(query, bands, modes)) return kNoContestQso;
  const std::int64_t nowHour = dupe_window::hourOfClock(env.nowUtcSeconds());
  CString found;
  int answer = scanLog(query, log, nowHour, &found);
  if (exchOut) copyExchange(found, exchOut);
  return answer;
}
