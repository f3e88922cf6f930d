#include "log/statistics_reset.h"

#include "log/ubn_file.h"

namespace {

constexpr char kPeriodFromFormat[] = "%d.%m";
constexpr char kPeriodToFormat[] = "%d.%m.%Y";
constexpr char kFileDateFormat[] = "%d_%m_%Y";

}  // namespace

void beginReset(const COleDateTime& periodStart, const COleDateTime& periodEnd,
                ResetTarget target) {
  target.periodFrom = periodStart.Format(kPeriodFromFormat);
  target.periodTo = periodEnd.Format(kPeriodToFormat);
  target.log.RemoveAll();
  target.workedBands.RemoveAll();
}

CString statisticsFileName(const COleDateTime& periodEnd) {
  return ubn_file::fileName(periodEnd.Format(kFileDateFormat));
}

void startStatistics(const COleDateTime& periodEnd, ResetTarget target, platform::Env& env) {
  target.fileDate = periodEnd.Format(kFileDateFormat);
  target.ubnPath = ubn_file::fileName(target.fileDate);
  ubn_file::start(target.ubnPath, env);
}
