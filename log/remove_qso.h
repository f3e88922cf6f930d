#ifndef ZVK_LOG_REMOVE_QSO_H_
#define ZVK_LOG_REMOVE_QSO_H_

#include "log/contest_rules.h"
#include "log/qso_fields.h"
#include "log/qso_log.h"

// Takes a QSO the host deleted out of the log. Returns 0 when it is no
// contest QSO for removal (mode not in `modes`, an exchange empty), else 1,
// whether or not a stored record matched.
int removeQso(const QsoFields& qso, const CContestRules& modes, CQsoLog& log);

#endif  // ZVK_LOG_REMOVE_QSO_H_
