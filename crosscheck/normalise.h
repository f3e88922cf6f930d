#ifndef ZVK_CROSSCHECK_NORMALISE_H_
#define ZVK_CROSSCHECK_NORMALISE_H_

#include <vector>

#include "crosscheck/contest_logs.h"
#include "import/qso.h"

namespace crosscheck {

// A log with its lines interned, before it takes its place among the others.
struct NormalLog {
  LogHeader header;
  std::vector<Line> lines;
};

// Interns the texts of `log` into `texts`: calls and exchanges in upper case,
// times as minutes. The importer's strings can be dropped afterwards.
NormalLog normaliseLog(const imports::ImportedLog& log, TextPool& texts);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_NORMALISE_H_
