#include "score/result_summary.h"

namespace {

constexpr char kCredit[] = "Scored by zvk-stats for the ZVK CW Contest";

}  // namespace

CString summaryHeading(const ContestHeading& heading) {
  CString text;
  text.Format("ZVK-CW-CONTEST  %s-%s \r\n\tContestant: %s\r\n\tQSOs\tPoints\t ZVK\r\n",
              heading.periodFrom.GetString(), heading.periodTo.GetString(),
              heading.contestant.GetString());
  return text;
}

CString summaryRows(const ScoreTally& tally) {
  CString text;
  for (const BandRow& row : tally.rows) {
    text.AppendFormat("%s\t %i\t %i\t  %i\r\n", row.band.GetString(), row.qsos, row.points,
                      row.members);
  }
  text.AppendFormat("Total\t %i\t %i\t  %i\r\n", tally.totalQsos, tally.totalPoints,
                    tally.totalMembers);
  return text;
}

CString summaryScore(std::int32_t claimedScore) {
  CString text;
  text.Format("\r\nScore:   %i \r\n\r\n%s", claimedScore, kCredit);
  return text;
}
