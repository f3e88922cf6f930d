#include "score/score_tally.h"

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "log/rule_set.h"
#include "platform/text.h"

namespace {

constexpr std::size_t kSortKeyWidth = 20;
constexpr char kSortPad = '0';
constexpr char kClaimedKey[] = "Claimed";

std::string sortKey(const CString& band) {
  const std::string& text = band.str();
  if (text.size() >= kSortKeyWidth) return text;
  return std::string(kSortKeyWidth - text.size(), kSortPad) + text;
}

// Counts a record into its row: "NM" received is a non-member QSO.
void countRecord(const CInfo& record, BandRow& row) {
  ++row.qsos;
  row.points += rules::zvkCwRules().points.pointsFor(record.exchRcvd.str());
  if (!platform::equalExact(record.exchRcvd, rules::kNonMemberExchange)) ++row.members;
}

// One walk through the log for all rows: a row per worked band, in order.
std::vector<BandRow> countBands(const CStringArray& workedBands, const CQsoLog& log) {
  std::vector<BandRow> rows(static_cast<std::size_t>(workedBands.GetSize()));
  std::unordered_map<std::string, std::size_t> rowOfBand;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    rows[i].band = workedBands[static_cast<int>(i)];
    rowOfBand.emplace(rows[i].band.str(), i);
  }
  for (const CInfo& record : log) {
    auto row = rowOfBand.find(record.band.str());
    if (record.call.IsEmpty() || row == rowOfBand.end()) continue;
    countRecord(record, rows[row->second]);
  }
  return rows;
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
  tally.rows = countBands(workedBands, log);
  for (const BandRow& row : tally.rows) {
    tally.totalPoints += row.points;
    tally.totalMembers += row.members;
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
