#ifndef ZVK_ROBOT_LOG_FACTS_H_
#define ZVK_ROBOT_LOG_FACTS_H_

#include "crosscheck/contest_definition.h"
#include "import/qso.h"
#include "robot/text_lines.h"
#include "robot/upload_reading.h"

namespace robot {

// The receipt's facts of a readable log: its call, category, QSOs by band,
// the claimed score by the contest's rules, and a warning for each QSO the
// rules will not count (off the bands and modes, outside the period, a
// dupe, no exchange) and each header field the organisers need but the log
// lacks.
// `lines` is the log's text, for the warnings' lines.
LogFacts factsOf(const imports::ImportedLog& log, const TextLines& lines,
                 const crosscheck::ContestDefinition& definition);

}  // namespace robot

#endif  // ZVK_ROBOT_LOG_FACTS_H_
