#ifndef ZVK_ROBOT_LOG_FACTS_H_
#define ZVK_ROBOT_LOG_FACTS_H_

#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/log_check.h"
#include "robot/text_lines.h"

namespace robot {

// A problem or warning about a log, with the line it is on.
struct LineNote {
  int line = 0;      // 0: the log as a whole
  std::string text;  // the line itself, as sent
  std::string message;
};

struct BandCount {
  std::string band;
  int qsos = 0;
};

// What the robot read from a log it accepts: the receipt's facts.
struct LogFacts {
  std::string call;      // upper case
  std::string category;  // the CATEGORY values joined by blanks
  int qsos = 0;
  std::vector<BandCount> bands;                    // the contest's bands in order, then others
  std::int64_t claimedByRules = 0;                 // the score the contest's rules give the log
  std::int64_t claimedQsoPoints = 0;               // its QSO points by the rules
  std::optional<std::int64_t> claimedMultipliers;  // none: the contest has no multipliers
  std::optional<std::int64_t> claimedScore;        // the header's CLAIMED-SCORE
  std::vector<LineNote> warnings;                  // by line
  std::string email;                               // the header's EMAIL, lines of it joined by LF
};

// The receipt's facts of a log checked without a problem: its call,
// category, QSOs by band, the claimed score by the contest's rules, the
// check's warning for each QSO the rules will not count in full, and one for
// each header field the organisers need but the log lacks.
// `lines` is the log's text, for the warnings' lines.
LogFacts factsOf(const crosscheck::CheckedLog& checked, const TextLines& lines,
                 const crosscheck::ContestDefinition& definition);

}  // namespace robot

#endif  // ZVK_ROBOT_LOG_FACTS_H_
