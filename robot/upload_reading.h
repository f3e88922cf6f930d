#ifndef ZVK_ROBOT_UPLOAD_READING_H_
#define ZVK_ROBOT_UPLOAD_READING_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "crosscheck/contest_definition.h"

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
  std::vector<BandCount> bands;              // the contest's bands in order, then others
  std::int64_t claimedByRules = 0;           // the score the contest's rules give the log
  std::optional<std::int64_t> claimedScore;  // the header's CLAIMED-SCORE
  std::vector<LineNote> warnings;            // by line
};

// An accepted log's facts, or every reason it cannot be read.
struct UploadReading {
  std::optional<LogFacts> facts;
  std::vector<LineNote> problems;  // by line; set when `facts` is empty
};

// Reads `text` with the log reader and the contest's rules. A log is refused
// when the reader cannot read it, it holds no QSO, a QSO lacks the call or
// band, or it names no own call (its file name would decide it).
UploadReading readUpload(std::string_view text, const crosscheck::ContestDefinition& definition);

}  // namespace robot

#endif  // ZVK_ROBOT_UPLOAD_READING_H_
