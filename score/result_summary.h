#ifndef ZVK_SCORE_RESULT_SUMMARY_H_
#define ZVK_SCORE_RESULT_SUMMARY_H_

#include "platform/cstring.h"
#include "score/score_tally.h"

// The summary text returned to the host, in three pieces: the heading, the
// band and total lines, and the score line with the credit.
struct ContestHeading {
  const CString& periodFrom;
  const CString& periodTo;
  const CString& contestant;
};

CString summaryHeading(const ContestHeading& heading);
CString summaryRows(const ScoreTally& tally);
CString summaryScore(std::int32_t claimedScore);

#endif  // ZVK_SCORE_RESULT_SUMMARY_H_
