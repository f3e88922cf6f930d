#ifndef ZVK_BENCH_SCAN_MODEL_H_
#define ZVK_BENCH_SCAN_MODEL_H_

#include <vector>

#include "checks/call_check.h"
#include "log/contest_rules.h"
#include "log/info.h"
#include "log/qso_fields.h"
#include "platform/collections.h"
#include "platform/env.h"
#include "score/result_summary.h"

// The contest operations done as plain scans of the whole log, the way the
// contest's rules describe them: the dupe test, the call check and the
// removal each walk every stored record, and a removal closes the gap in an
// array of records. It is the reference the plug-in is measured against
// (zvk-bench) and checked against (the model comparison test); apart from
// the scans it shares the plug-in's own pieces, so a difference in results
// can only come from how the plug-in finds records.
class ScanModel {
 public:
  ScanModel(const CContestRules& bands, const CContestRules& modes)
      : bands_(bands), modes_(modes) {}

  // Empties the log and the worked bands and starts the statistics file.
  void reset(const CString& ubnPath, platform::Env& env);
  // As AddData0: 1 stored (DUPE lines for earlier matches), 0 rejected.
  int add(const QsoFields& qso, platform::Env& env);
  // As RemoveData0: 0 when no contest QSO for removal, else 1.
  int remove(const QsoFields& qso);
  // As CheckCall0.
  int check(const CallQuery& query, char* exchOut, platform::Env& env) const;
  // As GetResult0's summary text; sorts the worked bands.
  CString result(const ContestHeading& heading);

  const std::vector<CInfo>& records() const { return log_; }

 private:
  void noteWorkedBand(const CString& band);
  BandRow countBand(const CString& band) const;

  const CContestRules& bands_;
  const CContestRules& modes_;
  std::vector<CInfo> log_;
  CStringArray workedBands_;
  CString ubnPath_;
};

#endif  // ZVK_BENCH_SCAN_MODEL_H_
