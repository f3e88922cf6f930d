#include "checks/call_check.h"

#include <cstring>

#include "log/dupe_window.h"
#include "platform/text.h"

namespace {

constexpr std::size_t kExchOutBytes = 50;

// Looks through the station's QSOs; `source` receives the one whose exchange
// the host gets (read only at the end, so the walk touches few fields).
int checkStationQsos(const CallQuery& query, const CQsoLog& log, std::int64_t nowHour,
                     const CInfo** source) {
  for (CQsoLog::Position stored : log.recordsOfCall(query.call)) {
    if (!platform::equalExact(stored->band, query.band)) {
      *source = &*stored;
    } else if (dupe_window::isInside(nowHour, stored->time)) {
      *source = &*stored;
      return kCallIsDupe;
    }
  }
  return kCallCounts;
}

}  // namespace

bool isContestQso(const CallQuery& query, const CContestRules& bands, const CContestRules& modes) {
  if (query.band && query.otherBand && !platform::equalNoCase(query.band, query.otherBand)) {
    return false;
  }
  return bands.contains(query.band) && modes.contains(query.mode);
}

// The host's buffer holds 50 bytes: longer exchanges are cut at a character
// boundary rather than overrunning it.
void copyExchange(const CString& exchange, char* exchOut) {
  std::size_t length = platform::prefixLengthAtCharBoundary(exchange, kExchOutBytes - 1);
  std::memcpy(exchOut, exchange.GetString(), length);
  exchOut[length] = '\0';
}

int checkCall(const CallQuery& query, const CContestRules& bands, const CContestRules& modes,
              const CQsoLog& log, char* exchOut, platform::Env& env) {
  if (!isContestQso(query, bands, modes)) return kNoContestQso;
  const std::int64_t nowHour = dupe_window::hourOfClock(env.nowUtcSeconds());
  const CInfo* source = nullptr;
  int answer = checkStationQsos(query, log, nowHour, &source);
  if (exchOut) copyExchange(source ? source->exchRcvd : CString(), exchOut);
  return answer;
}
