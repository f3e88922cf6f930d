#include "score/result_summary.h"

#include "score/summary_layout.h"

namespace {

constexpr char kCredit[] = "Scored by zvk-stats for the ZVK CW Contest";

}  // namespace

CString summaryHeading(const ContestHeading& heading) {
  CString text;
  text.Format(summary_layout::kHeadingFormat, heading.periodFrom.GetString(),
              heading.periodTo.GetString());
  return text + summary_layout::kContestantPrefix + heading.contestant + summary_layout::kLineEnd +
         summary_layout::kColumnHeads;
}

CString summaryRows(const ScoreTally& tally) {
  CString text;
  for (const BandRow& row : tally.rows) {
    text.AppendFormat(summary_layout::kRowFormat, row.band.GetString(), row.qsos, row.points,
                      row.members);
  }
  text.AppendFormat(summary_layout::kRowFormat, summary_layout::kTotalBand, tally.totalQsos,
                    tally.totalPoints, tally.totalMembers);
  return text;
}

CString summaryScore(std::int32_t claimedScore) {
  CString text;
  const char* lineEnd = summary_layout::kLineEnd;
  text.Format("%s%s%i %s%s%s", lineEnd, summary_layout::kScorePrefix, claimedScore, lineEnd,
              lineEnd, kCredit);
  return text;
}
