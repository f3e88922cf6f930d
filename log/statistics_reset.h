#ifndef ZVK_LOG_STATISTICS_RESET_H_
#define ZVK_LOG_STATISTICS_RESET_H_

#include "log/qso_log.h"
#include "platform/collections.h"
#include "platform/env.h"

// The pieces of a statistics reset; the plug-in runs the station settings
// step between `beginReset` and `startStatistics`.
struct ResetTarget {
  CQsoLog& log;
  CStringArray& workedBands;
  CString& periodFrom;
  CString& periodTo;
  CString& fileDate;
  CString& ubnPath;
};

// Keeps the period texts of the contest start and end, then empties the log
// and the worked bands.
void beginReset(const COleDateTime& periodStart, const COleDateTime& periodEnd, ResetTarget target);
// The statistics file's name for a contest ending at `periodEnd`.
CString statisticsFileName(const COleDateTime& periodEnd);
// Names the statistics file after the contest end and starts it afresh.
void startStatistics(const COleDateTime& periodEnd, ResetTarget target, platform::Env& env);

#endif  // ZVK_LOG_STATISTICS_RESET_H_
