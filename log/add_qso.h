#ifndef ZVK_LOG_ADD_QSO_H_
#define ZVK_LOG_ADD_QSO_H_

#include <cstdint>

#include "log/contest_rules.h"
#include "log/qso_fields.h"
#include "log/qso_log.h"
#include "platform/env.h"

// The log a QSO is added to: the stored QSOs, the bands worked so far and the
// statistics file that takes rejected and duplicate QSOs.
struct LogTarget {
  CQsoLog& log;
  CStringArray& workedBands;
  const CString& ubnPath;
};

// Why a QSO is no contest QSO, as a value for callers that act on it.
enum class Rejection : std::uint8_t { kNone, kNoContestBand, kNoContestMode, kNoExchange };

// Why `qso` is no contest QSO: its band, its mode or a missing exchange.
Rejection rejectionOf(const QsoFields& qso, const CContestRules& bands, const CContestRules& modes);
// The same as a statistics-file reason text; nullptr when it is one.
const char* rejectionReason(const QsoFields& qso, const CContestRules& bands,
                            const CContestRules& modes);
// The record an accepted QSO is stored as.
CInfo storedRecord(const QsoFields& qso);

// Offers a QSO to the contest. Returns 1 when stored (a dupe included, with a
// DUPE line per earlier match), 0 when rejected for its band, mode or a
// missing exchange (one statistics line with the reason).
int addQso(const QsoFields& qso, const CContestRules& bands, const CContestRules& modes,
           LogTarget target, platform::Env& env);

#endif  // ZVK_LOG_ADD_QSO_H_
