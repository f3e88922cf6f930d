#ifndef ZVK_ROBOT_EVERY_PROBLEM_H_
#define ZVK_ROBOT_EVERY_PROBLEM_H_

#include <optional>
#include <string_view>
#include <vector>

#include "import/cabrillo_stations.h"
#include "import/input_error.h"
#include "import/qso.h"

namespace robot {

struct ReadAttempt {
  std::optional<imports::ImportedLog> log;  // set when the text has no problem
  std::vector<imports::LogFileError> problems;
};

// Reads `text` with the log reader and lists every line it cannot read, not
// only the first: each line the reader stops at is blanked and the text read
// again, up to a bound. Then every QSO without a call or band is a problem,
// and so is a text without QSOs or without an own call.
ReadAttempt readWithEveryProblem(std::string_view text, const imports::CabrilloLayout& layout);

}  // namespace robot

#endif  // ZVK_ROBOT_EVERY_PROBLEM_H_
