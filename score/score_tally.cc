#include "score/score_tally.h"

#include <string>
#include <utility>

#include "platform/text.h"

namespace {

constexpr std::size_t kSortKeyWidth = 20;
constexpr char kSortPad = '0';
constexpr char kNonMemberExchange[] = "NM";
constexpr std::int32_t kNonMemberPoints = 1;
constexpr std::int32_t kMemberPoints = 5;
constexpr char kClaimedKey[] = "Claimed";

std::string sortKey(const CString& band) {
  const std::string& text = band.str();
  if (text.size() >= kSortKeyWidth) return text;
  return std::string(kSortKeyWidth - text.size(), kSortPad) + text;
}

BandRow countBand(const CString& band, const CQsoLog& log) {
  BandRow row;
  row.band = band;
  std::int32_t nonMembers = 0;
  for (const CInfo& record : log) {
    if (record.call.IsEmpty() || !platform::equalExact(record.band, band)) continue;
    ++row.qsos;
    if (platform::equalExact(record.exchRcvd, kNonMemberExchange)) {
      ++nonMembers;
    } else {
      ++row.members;
    }
  }
  row.points = nonMembers * kNonMemberPoints + row.members * kMemberPoints;
  return row;
}

}  // namespace

void sortWorkedBands(CStringArray& workedBands) {
  const int count = workedBands.GetSize();
  for (int i = 0; i + 1 < count; ++i) {
    for (int j = i + 1; j < count; ++j) {
      if (platform::compareExact(sortKey(workedBands[i]).c_str(), sortKey(workedBands[j]).c_str()) <
          0) {
        std::swap(workedBands[i], workedBands[j]);
      }
    }
  }
}

ScoreTally tallyScore(const CQsoLog& log, CStringArray& workedBands) {
  ScoreTally tally;
  tally.totalQsos = log.GetSize();
  sortWorkedBands(workedBands);
  for (const CString& band : workedBands) {
    tally.rows.push_back(countBand(band, log));
    tally.totalPoints += tally.rows.back().points;
    tally.totalMembers += tally.rows.back().members;
  }
  tally.claimedScore = tally.totalPoints;
  return tally;
}

void publishClaimedScore(std::int32_t score, ClaimedScoreTarget target, platform::Env& env) {
  target.claimedScore = score;
  CString text;
  text.Format("%i", score);
  env.writeProfileString(target.iniSection, kClaimedKey, text, target.iniFile);
}
