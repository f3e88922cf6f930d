#include "fuzz/contest_model.h"

#include <algorithm>
#include <cstring>

#include "fuzz/check.h"
#include "fuzz/summary_text.h"
#include "fuzz/text_file.h"
#include "log/dupe_window.h"
#include "log/ubn_file.h"

namespace {

constexpr char kUbnHeader[] = "ZVK-CW-CONTEST  UBN file \r\n";

bool sameTime(const COleDateTime& a, const COleDateTime& b) {
  return std::memcmp(&a.m_dt, &b.m_dt, sizeof a.m_dt) == 0 && a.m_status == b.m_status;
}

bool sameRecord(const ContestModel::Qso& qso, const CInfo& record) {
  return qso.call == record.call.str() && qso.band == record.band.str() &&
         qso.mode == record.mode.str() && qso.exchRcvd == record.exchRcvd.str() &&
         qso.exchSent == record.exchSent.str() && qso.rstRcvd == record.rstRcvd.str() &&
         qso.rstSent == record.rstSent.str() && qso.hostTextA == record.hostTextA.str() &&
         qso.hostTextB == record.hostTextB.str() && qso.frequencyKHz == record.frequencyKHz &&
         sameTime(qso.time, record.time);
}

bool isLineWithReason(const std::string& line, bool stored) {
  if (line.compare(0, 6, "QSO:  ") != 0) return false;
  auto endsWithReason = [&](const char* reason) {
    return endsWith(line, std::string(reason) + ubn_file::kLineEnd);
  };
  if (stored) return endsWithReason(ubn_file::kDupe);
  return std::any_of(std::begin(ubn_file::kReasons), std::end(ubn_file::kReasons) - 1,
                     endsWithReason);
}

int points(const ContestModel::Qso& qso) { return qso.exchRcvd == "NM" ? 1 : 5; }

}  // namespace

void ContestModel::reset(const std::string& ubnPath) {
  qsos_.clear();
  workedBands_.clear();
  ubnPath_ = ubnPath;
  require(readTextFile(ubnPath_) == kUbnHeader, "the reset left no fresh statistics file");
  ubnChecked_ = sizeof kUbnHeader - 1;
}

void ContestModel::store(const Qso& qso) {
  qsos_.push_back(qso);
  if (std::find(workedBands_.begin(), workedBands_.end(), qso.band) == workedBands_.end()) {
    workedBands_.push_back(qso.band);
  }
}

void ContestModel::followRemoval(const Qso& asked, const CQsoLog& log) {
  if (static_cast<std::size_t>(log.GetSize()) == qsos_.size()) return requireSameAs(log);
  require(static_cast<std::size_t>(log.GetSize()) + 1 == qsos_.size(), "removal took several");
  std::size_t gone = 0;
  for (CQsoLog::Position record = log.begin();
       record != log.end() && sameRecord(qsos_[gone], *record); ++record) {
    ++gone;
  }
  const Qso& removed = qsos_[gone];
  require(removed.call == asked.call && removed.mode == asked.mode && removed.band == asked.band,
          "removal took a QSO of another call, mode or band");
  qsos_.erase(qsos_.begin() + static_cast<std::ptrdiff_t>(gone));
  requireSameAs(log);
}

namespace {

// An index entry names a record of `call` and keeps its band id, hour and
// received exchange as the record has them.
bool indexEntryMatches(const CQsoLog::CallRecord& entry, const CQsoLog& log, const CString& call) {
  const CInfo& record = *entry.record;
  return record.call == call && entry.bandId == log.findBandId(record.band) &&
         entry.hour == dupe_window::hourOfStoredQso(record.time) &&
         entry.exchRcvd == record.exchRcvd;
}

}  // namespace

// Also the log's index by call: each record's call leads to exactly the
// records of that call.
void ContestModel::requireSameAs(const CQsoLog& log) const {
  require(static_cast<std::size_t>(log.GetSize()) == qsos_.size(), "log size differs");
  std::size_t index = 0;
  for (const CInfo& record : log) {
    require(sameRecord(qsos_[index++], record), "stored record differs");
    const std::vector<CQsoLog::CallRecord>& ofCall = log.recordsOfCall(record.call);
    const auto sameCall = std::count_if(
        qsos_.begin(), qsos_.end(), [&](const Qso& qso) { return qso.call == record.call.str(); });
    require(static_cast<std::ptrdiff_t>(ofCall.size()) == sameCall &&
                std::all_of(ofCall.begin(), ofCall.end(),
                            [&](const CQsoLog::CallRecord& entry) {
                              return indexEntryMatches(entry, log, record.call);
                            }),
            "the index by call differs from the log");
  }
}

std::int32_t ContestModel::score() const {
  std::int32_t total = 0;
  for (const Qso& qso : qsos_) total += qso.call.empty() ? 0 : points(qso);
  return total;
}

void ContestModel::requireSummary(const std::string& text) const {
  SummaryText summary = parseSummary(text);
  require(summary.rows.size() == workedBands_.size(), "one row per worked band");
  SummaryRow total{"Total", static_cast<std::int32_t>(qsos_.size()), 0, 0};
  for (const SummaryRow& row : summary.rows) {
    require(std::count(workedBands_.begin(), workedBands_.end(), row.band) == 1,
            "a row for a band not worked, or twice");
    SummaryRow counted{row.band, 0, 0, 0};
    for (const Qso& qso : qsos_) {
      if (qso.band != row.band || qso.call.empty()) continue;
      ++counted.qsos;
      counted.points += points(qso);
      counted.members += qso.exchRcvd == "NM" ? 0 : 1;
    }
    require(row == counted, "band row differs from the stored QSOs");
    total.points += counted.points;
    total.members += counted.members;
  }
  require(rowsInBandOrder(summary.rows), "rows out of band order");
  require(summary.total == total, "total line differs from the stored QSOs");
  require(summary.score == score(), "score differs from the stored QSOs");
}

void ContestModel::requireCabrilloFile(const std::string& fileStem) const {
  require(fileStem.find_first_of("/\\") == std::string::npos,
          "Cabrillo file outside the working directory");
  const std::string contents = readTextFile(fileStem + ".cbr");
  if (contents.empty()) return;  // not written: the name is too long for the file system
  std::vector<std::string> lines = crLfLines(contents);
  require(lines.front() == "START-OF-LOG: 3.0\r\n" && lines.back() == "END-OF-LOG:\r\n",
          "Cabrillo file without its first or last line");
  const auto qsoLines = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.compare(0, 5, "QSO: ") == 0;
  });
  require(static_cast<std::size_t>(qsoLines) == qsos_.size(), "not one QSO line per stored QSO");
}

void ContestModel::requireStatisticsLines(bool stored) {
  if (ubnPath_.empty()) return;
  const std::string contents = readTextFile(ubnPath_);
  require(contents.size() >= ubnChecked_, "statistics file shrank");
  std::vector<std::string> added = crLfLines(contents.substr(ubnChecked_));
  ubnChecked_ = contents.size();
  for (const std::string& line : added) {
    require(isLineWithReason(line, stored), "statistics line without CR LF or known reason");
  }
  if (stored) {
    require(added.size() < qsos_.size(), "more DUPE lines than earlier QSOs");
  } else {
    require(added.size() == 1, "a rejection writes exactly one line");
  }
}
