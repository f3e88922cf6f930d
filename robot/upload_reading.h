#ifndef ZVK_ROBOT_UPLOAD_READING_H_
#define ZVK_ROBOT_UPLOAD_READING_H_

#include <optional>
#include <string_view>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/qso_facts.h"
#include "robot/log_facts.h"
#include "robot/robot_settings.h"

namespace robot {

// An accepted log's facts, or every reason it cannot be read.
struct UploadReading {
  std::string call;  // the sender's call as read (crosscheck::ownCallOf), also of a refused log
  std::optional<LogFacts> facts;
  std::vector<LineNote> problems;  // by line; set when `facts` is empty
};

// Checks `text` as the cross-check does (crosscheck::checkLog). A log is
// refused when the check finds any problem: a line the reader cannot read,
// no QSO, a QSO without the call or band, no own call (its file name would
// decide it), a log of another contest, with an own call that is no call
// sign or with no QSO in the period. The claimed score is the definition's:
// by where the stations are (as `stations` tell) and with multipliers where
// it has them. The warnings include those of the log's plausibility.
UploadReading readUpload(std::string_view text, const crosscheck::ContestDefinition& definition,
                         const crosscheck::StationFiles& stations = {});
// The same with the robot's definition and country file.
UploadReading readUpload(std::string_view text, const RobotSettings& settings);

}  // namespace robot

#endif  // ZVK_ROBOT_UPLOAD_READING_H_
