#include "bench/scan_model.h"

#include "log/add_qso.h"
#include "log/dupe_window.h"
#include "log/ubn_file.h"
#include "platform/text.h"
#include "score/score_tally.h"

namespace {

bool isSameContact(const CInfo& stored, const CString& call, const CString& mode,
                   const CString& band) {
  return platform::equalExact(stored.call, call) && platform::equalExact(stored.mode, mode) &&
         platform::equalExact(stored.band, band);
}

bool hasSameDetails(const CInfo& stored, const QsoFields& qso) {
  return stored.time.m_dt == qso.time.m_dt && stored.time.m_status == qso.time.m_status &&
         platform::equalExact(stored.exchSent, qso.exchSent) &&
         platform::equalExact(stored.exchRcvd, qso.exchRcvd);
}

}  // namespace

void ScanModel::reset(const CString& ubnPath, platform::Env& env) {
  log_ = {};
  workedBands_.RemoveAll();
  ubnPath_ = ubnPath;
  ubn_file::start(ubnPath_, env);
}

int ScanModel::add(const QsoFields& qso, platform::Env& env) {
  const std::int64_t referenceHour = dupe_window::hourOfNewQso(qso.time, env.nowUtcSeconds());
  ubn_file::Appender ubn(ubnPath_, env);
  const CString dateText = qso.time.Format(ubn_file::kDateFormat);
  if (const char* reason = rejectionReason(qso, bands_, modes_)) {
    ubn.append(ubn_file::qsoLine(qso, dateText, reason));
    return 0;
  }
  noteWorkedBand(qso.band);
  for (const CInfo& stored : log_) {
    if (isSameContact(stored, qso.call, qso.mode, qso.band) &&
        dupe_window::isInside(referenceHour, stored.time)) {
      ubn.append(ubn_file::qsoLine(qso, dateText, ubn_file::kDupe));
    }
  }
  log_.push_back(storedRecord(qso));
  return 1;
}

int ScanModel::remove(const QsoFields& qso) {
  if (!modes_.contains(qso.mode) || qso.exchRcvd.IsEmpty() || qso.exchSent.IsEmpty()) return 0;
  auto chosen = log_.end();
  for (auto stored = log_.begin(); stored != log_.end(); ++stored) {
    if (!isSameContact(*stored, qso.call, qso.mode, qso.band)) continue;
    if (hasSameDetails(*stored, qso)) {
      chosen = stored;
      break;
    }
    if (chosen == log_.end()) chosen = stored;
  }
  if (chosen != log_.end()) log_.erase(chosen);
  return 1;
}

int ScanModel::check(const CallQuery& query, char* exchOut, platform::Env& env) const {
  if (!isContestQso(query, bands_, modes_)) return kNoContestQso;
  const std::int64_t nowHour = dupe_window::hourOfClock(env.nowUtcSeconds());
  CString found;
  int answer = kCallCounts;
  for (const CInfo& stored : log_) {
    if (!platform::equalExact(stored.call, query.call)) continue;
    if (!platform::equalExact(stored.band, query.band)) {
      found = stored.exchRcvd;
    } else if (dupe_window::isInside(nowHour, stored.time)) {
      found = stored.exchRcvd;
      answer = kCallIsDupe;
      break;
    }
  }
  if (exchOut) copyExchange(found, exchOut);
  return answer;
}

CString ScanModel::result(const ContestHeading& heading) {
  ScoreTally tally;
  tally.totalQsos = static_cast<std::int32_t>(log_.size());
  sortWorkedBands(workedBands_);
  for (const CString& band : workedBands_) {
    tally.rows.push_back(countBand(band));
    tally.totalPoints += tally.rows.back().points;
    tally.totalMembers += tally.rows.back().members;
  }
  return summaryHeading(heading) + summaryRows(tally) + summaryScore(tally.totalPoints);
}

void ScanModel::noteWorkedBand(const CString& band) {
  for (const CString& worked : workedBands_) {
    if (platform::equalExact(worked, band)) return;
  }
  workedBands_.Add(band);
}

BandRow ScanModel::countBand(const CString& band) const {
  BandRow row;
  row.band = band;
  int nonMembers = 0;
  for (const CInfo& record : log_) {
    if (record.call.IsEmpty() || !platform::equalExact(record.band, band)) continue;
    ++row.qsos;
    if (platform::equalExact(record.exchRcvd, "NM")) {
      ++nonMembers;
    } else {
      ++row.members;
    }
  }
  row.points = nonMembers + 5 * row.members;
  return row;
}
