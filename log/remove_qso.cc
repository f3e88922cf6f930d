#include "log/remove_qso.h"

#include "platform/text.h"

namespace {

bool matchesModeAndBand(const CInfo& stored, const QsoFields& qso) {
  return platform::equalExact(stored.mode, qso.mode) && platform::equalExact(stored.band, qso.band);
}

bool matchesDetails(const CInfo& stored, const QsoFields& qso) {
  return stored.time.m_dt == qso.time.m_dt && stored.time.m_status == qso.time.m_status &&
         platform::equalExact(stored.exchSent, qso.exchSent) &&
         platform::equalExact(stored.exchRcvd, qso.exchRcvd);
}

// Among records of the same call, mode and band (dupes are stored too), the
// one with the same time and exchanges is the QSO the host deleted; without
// such a record, the first of them goes.
CQsoLog::Position recordToRemove(const QsoFields& qso, const CQsoLog& log) {
  CQsoLog::Position firstContact = log.end();
  for (CQsoLog::Position stored : log.recordsOfCall(qso.call)) {
    if (!matchesModeAndBand(*stored, qso)) continue;
    if (matchesDetails(*stored, qso)) return stored;
    if (firstContact == log.end()) firstContact = stored;
  }
  return firstContact;
}

}  // namespace

int removeQso(const QsoFields& qso, const CContestRules& modes, CQsoLog& log) {
  if (!modes.contains(qso.mode) || qso.exchRcvd.IsEmpty() || qso.exchSent.IsEmpty()) return 0;
  CQsoLog::Position record = recordToRemove(qso, log);
  if (record != log.end()) log.RemoveAt(record);
  return 1;
}
