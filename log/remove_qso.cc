#include "log/remove_qso.h"

#include "platform/text.h"

namespace {

bool matchesContact(const CInfo& stored, const QsoFields& qso) {
  return platform::equalExact(stored.call, qso.call) &&
         platform::equalExact(stored.mode, qso.mode) && platform::equalExact(stored.band, qso.band);
}

bool matchesDetails(const CInfo& stored, const QsoFields& qso) {
  return stored.time.m_dt == qso.time.m_dt && stored.time.m_status == qso.time.m_status &&
         platform::equalExact(stored.exchSent, qso.exchSent) &&
         platform::equalExact(stored.exchRcvd, qso.exchRcvd);
}

// Among records of the same call, mode and band (dupes are stored too), the
// one with the same time and exchanges is the QSO the host deleted; without
// such a record, the first of them goes.
int indexToRemove(const QsoFields& qso, const CQsoLog& log) {
  int firstContact = -1;
  for (int i = 0; i < log.GetSize(); ++i) {
    const CInfo& stored = log[i];
    if (!matchesContact(stored, qso)) continue;
    if (matchesDetails(stored, qso)) return i;
    if (firstContact < 0) firstContact = i;
  }
  return firstContact;
}

}  // namespace

int removeQso(const QsoFields& qso, const CContestRules& modes, CQsoLog& log) {
  if (!modes.contains(qso.mode) || qso.exchRcvd.IsEmpty() || qso.exchSent.IsEmpty()) return 0;
  int index = indexToRemove(qso, log);
  if (index >= 0) log.RemoveAt(index);
  return 1;
}
