#ifndef ZVK_ROBOT_SUBMISSION_H_
#define ZVK_ROBOT_SUBMISSION_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "import/utc_time.h"

namespace robot {

using imports::UnixTime;

// One upload, accepted or refused: a row of the robot's database.
struct Submission {
  std::string receipt;
  std::string call;  // as read; empty when a refused log names none
  std::string category;
  UnixTime received = 0;
  std::int64_t size = 0;  // bytes
  std::string sha256;     // of the bytes kept (as sent, or as the review corrected them)
  int qsos = 0;
  std::int64_t claimedByRules = 0;
  std::optional<std::int64_t> claimedScore;  // the log's CLAIMED-SCORE
  bool accepted = false;
  std::string reason;  // why it was refused; empty when accepted
  // Bytes of it kept in the history: all of an accepted log, at most the size
  // limit of a refused one; unset: none (a refusal kept before they were).
  std::optional<std::int64_t> historyBytes;
};

// The latest accepted submission of each call, by call: the logs received.
std::vector<Submission> latestAccepted(const std::vector<Submission>& submissions);

}  // namespace robot

#endif  // ZVK_ROBOT_SUBMISSION_H_
