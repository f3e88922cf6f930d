#ifndef ZVK_BENCH_CONTEST_LOG_H_
#define ZVK_BENCH_CONTEST_LOG_H_

#include <vector>

#include "log/qso_fields.h"
#include "platform/ole_date_time.h"

// Generated contest logs with the mix of a real one: five bands, about 20 %
// "NM" exchanges, about 5 % dupes, 1 % QSOs off the contest's bands or mode,
// and stations worked on several bands. The same count gives the same log.
namespace contest_log {

constexpr char kContestant[] = "Q1ZVK";

// The contest period: 24 hours from 2016-11-26 12:00 UTC.
COleDateTime contestStart();
COleDateTime contestEnd();

std::vector<QsoFields> generate(int count);
// The QSOs the contest accepts (contest band and mode), in log order.
std::vector<QsoFields> accepted(const std::vector<QsoFields>& qsos);
// A call sign that no generated log contains.
CString unknownCall(int index);

}  // namespace contest_log

#endif  // ZVK_BENCH_CONTEST_LOG_H_
