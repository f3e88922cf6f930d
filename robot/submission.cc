#include "robot/submission.h"

#include <map>

namespace robot {

std::vector<Submission> latestAccepted(const std::vector<Submission>& submissions) {
  std::map<std::string, const Submission*> latest;
  for (const Submission& submission : submissions) {
    if (submission.accepted) latest[submission.call] = &submission;
  }
  std::vector<Submission> received;
  for (const auto& entry : latest) received.push_back(*entry.second);
  return received;
}

}  // namespace robot
