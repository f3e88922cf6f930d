#ifndef ZVK_ROBOT_UPLOAD_READING_H_
#define ZVK_ROBOT_UPLOAD_READING_H_

#include <optional>
#include <string_view>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/qso_facts.h"
#include "robot/log_facts.h"

namespace robot {

// An accepted log's facts, or every reason it cannot be read.
struct UploadReading {
  std::string call;  // the sender's call as read (stationCall), also of a refused log
  std::optional<LogFacts> facts;
  std::vector<LineNote> problems;  // by line; set when `facts` is empty
};

// Checks `text` as the cross-check does (crosscheck::checkLog). A log is
// refused when the check finds any problem: a line the reader cannot read,
// no QSO, a QSO without the call or band, no own call (its file name would
// decide it). The claimed score is the definition's: by where the stations
// are (as `stations` tell) and with multipliers where it has them.
UploadReading readUpload(std::string_view text, const crosscheck::ContestDefinition& definition,
                         const crosscheck::StationFiles& stations = {});

}  // namespace robot

#endif  // ZVK_ROBOT_UPLOAD_READING_H_
