#include "log/add_qso.h"

#include "log/dupe_window.h"
#include "log/ubn_file.h"
#include "platform/text.h"

namespace {

void noteWorkedBand(const CString& band, CStringArray& workedBands) {
  for (const CString& worked : workedBands) {
    if (platform::equalExact(worked, band)) return;
  }
  workedBands.Add(band);
}

bool isOnSameBandAndMode(const CInfo& stored, const CInfo& record) {
  return platform::equalExact(stored.band, record.band) &&
         platform::equalExact(stored.mode, record.mode);
}

void writeDupeLines(const CInfo& record, const QsoFields& qso, const CQsoLog& log,
                    std::int64_t referenceHour, ubn_file::Appender& ubn, const CString& dateText) {
  for (const CQsoLog::CallRecord& stored : log.recordsOfCall(record.call)) {
    if (isOnSameBandAndMode(*stored.record, record) &&
        dupe_window::isInsideHours(referenceHour, stored.hour)) {
      ubn.append(ubn_file::qsoLine(qso, dateText, ubn_file::kDupe));
    }
  }
}

}  // namespace

Rejection rejectionOf(const QsoFields& qso, const CContestRules& bands,
                      const CContestRules& modes) {
  if (!bands.contains(qso.band)) return Rejection::kNoContestBand;
  if (!modes.contains(qso.mode)) return Rejection::kNoContestMode;
  if (qso.exchRcvd.IsEmpty() || qso.exchSent.IsEmpty()) return Rejection::kNoExchange;
  return Rejection::kNone;
}

const char* rejectionReason(const QsoFields& qso, const CContestRules& bands,
                            const CContestRules& modes) {
  switch (rejectionOf(qso, bands, modes)) {
    case Rejection::kNoContestBand:
      return ubn_file::kNoContestBand;
    case Rejection::kNoContestMode:
      return ubn_file::kNoContestMode;
    case Rejection::kNoExchange:
      return ubn_file::kNoExchange;
    case Rejection::kNone:
      break;
  }
  return nullptr;
}

CInfo storedRecord(const QsoFields& qso) {
  CInfo record;
  record.call = qso.call;
  record.band = qso.band;
  record.mode = qso.mode;
  record.hostTextB = qso.hostTextB;
  record.hostTextA = qso.hostTextA;
  record.rstRcvd = qso.rstRcvd;
  record.rstSent = qso.rstSent;
  record.exchRcvd = qso.exchRcvd;
  record.exchSent = qso.exchSent;
  record.frequencyKHz = static_cast<std::int32_t>(qso.frequency / 1000);
  record.time = qso.time;
  return record;
}

int addQso(const QsoFields& qso, const CContestRules& bands, const CContestRules& modes,
           LogTarget target, platform::Env& env) {
  const std::int64_t referenceHour = dupe_window::hourOfNewQso(qso.time, env.nowUtcSeconds());
  ubn_file::Appender ubn(target.ubnPath, env);
  const CString dateText = qso.time.Format(ubn_file::kDateFormat);
  if (const char* reason = rejectionReason(qso, bands, modes)) {
    ubn.append(ubn_file::qsoLine(qso, dateText, reason));
    return 0;
  }
  noteWorkedBand(qso.band, target.workedBands);
  CInfo record = storedRecord(qso);
  writeDupeLines(record, qso, target.log, referenceHour, ubn, dateText);
  target.log.Add(record);
  return 1;
}
