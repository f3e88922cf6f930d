#ifndef ZVK_ROBOT_ORGANISER_DESK_H_
#define ZVK_ROBOT_ORGANISER_DESK_H_

#include <mutex>
#include <string>
#include <vector>

#include "robot/answer.h"
#include "robot/log_store.h"
#include "robot/receipt_mailer.h"
#include "robot/robot_settings.h"

namespace robot {

// The organiser's requests, each answered only for the organiser key: the
// submissions, a version kept, and the cross-check of the logs received.
class OrganiserDesk {
 public:
  // `differences`: what the start-up check of the store found; `mailer`:
  // null when receipts are not mailed.
  OrganiserDesk(const RobotSettings& settings, LogStore& store,
                std::vector<std::string> differences, const ReceiptMailer* mailer);

  // Without a key the organiser pages are off.
  bool enabled() const { return !settings_.organiserKey.empty(); }
  Answer submissions(const std::string& key) const;
  Answer download(const std::string& key, const std::string& receipt) const;
  // Writes the results folder whole, one run at a time.
  Answer crosscheck(const std::string& key);

 private:
  bool allows(const std::string& key) const;

  const RobotSettings& settings_;
  LogStore& store_;
  std::vector<std::string> differences_;
  const ReceiptMailer* mailer_;
  std::mutex running_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_ORGANISER_DESK_H_
