#include "checks/call_check.h"

#include <cstring>

#include "log/dupe_window.h"
#include "platform/text.h"

namespace {

constexpr std::size_t kExchOutBytes = 50;

// Looks through the station's QSOs; `found` receives the exchange the host
// gets. The walk reads the call's index only, never the records themselves.
int checkStationQsos(const CallQuery& query, const CQsoLog& log, std::int64_t nowHour,
                     const CString** found) {
  const std::uint32_t bandId = log.findBandId(query.band);
  for (const CQsoLog::CallRecord& stored : log.recordsOfCall(query.call)) {
    if (stored.bandId != bandId) {
      *found = &stored.exchRcvd;
    } else if (dupe_window::isInsideHours(nowHour, stored.hour)) {
      *found = &stored.exchRcvd;
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
  const CString* found = nullptr;
  int answer = checkStationQsos(query, log, nowHour, &found);
  if (exchOut) copyExchange(found ? *found : CString(), exchOut);
  return answer;
}
