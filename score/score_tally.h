#ifndef ZVK_SCORE_SCORE_TALLY_H_
#define ZVK_SCORE_SCORE_TALLY_H_

#include <cstdint>
#include <vector>

#include "log/qso_log.h"
#include "platform/collections.h"
#include "platform/env.h"

// One row of the result: a worked band with its counted QSOs.
struct BandRow {
  CString band;
  std::int32_t qsos = 0;
  std::int32_t points = 0;
  std::int32_t members = 0;
};

struct ScoreTally {
  std::vector<BandRow> rows;
  std::int32_t totalQsos = 0;
  std::int32_t totalPoints = 0;
  std::int32_t totalMembers = 0;
  std::int32_t claimedScore = 0;
};

// Orders the worked bands from the longest wavelength down (descending by the
// text padded with leading zeros to 20 characters), by pairwise exchanges.
void sortWorkedBands(CStringArray& workedBands);
// Sorts the worked bands, then counts the log per band: points by the
// contest's rule, and every QSO not received as "NM" as a club member's. Records without a call
// count only in the total.
ScoreTally tallyScore(const CQsoLog& log, CStringArray& workedBands);

// Where the claimed score is published.
struct ClaimedScoreTarget {
  std::int32_t& claimedScore;
  const CString& iniSection;
  const CString& iniFile;
};
// Stores the score and writes it under "Claimed" in the settings file
// (failures are ignored).
void publishClaimedScore(std::int32_t score, ClaimedScoreTarget target, platform::Env& env);

#endif  // ZVK_SCORE_SCORE_TALLY_H_
