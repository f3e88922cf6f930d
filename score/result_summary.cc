#include "score/result_summary.h"

#include "score/summary_layout.h"

namespace {

constexpr char kCredit[] = "Scored by zvk-stats for the ZVK CW Contest";

}  // namespace

using namespace summary_layout;

CString summaryHeading(const ContestHeading& heading) {
  CString text;
  text.Format(kHeadingFormat, heading.periodFrom.GetString(), heading.periodTo.GetString());
  return text + kContestantPrefix + heading.contestant + kLineEnd + kColumnHeads;
}

CString summaryRows(const ScoreTally& tally) {
  CString text;
  for (const BandRow& row : tally.rows) {
    text.AppendFormat(kRowFormat, row.band.GetString(), row.qsos, row.points, row.members);
  }
  text.AppendFormat(kRowFormat, kTotalBand, tally.totalQsos, tally.totalPoints, tally.totalMembers);
  return text;
}

CString summaryScore(std::int32_t claimedScore) {
  CString text;
  text.Format("%s%s%i %s%s%s", kLineEnd, kScorePrefix, claimedScore, kLineEnd, kLineEnd, kCredit);
  return text;
}
