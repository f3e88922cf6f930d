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

// The organiser's requests, once the gate has let them through: the
// submissions page by page, a version kept, the overrides, the cross-check
// into a preview only the organiser sees, and its publishing.
class OrganiserDesk {
 public:
  // `differences`: what the start-up check of the store found; `mailer`:
  // null when receipts are not mailed.
  OrganiserDesk(const RobotSettings& settings, LogStore& store,
                std::vector<std::string> differences, const ReceiptMailer* mailer);

  // Without a key the organiser pages are off.
  bool enabled() const { return !settings_.organiserKey.empty(); }
  // The page numbered `number` (from 1; empty: the first).
  Answer submissions(const std::string& number) const;
  Answer download(const std::string& receipt) const;
  // Keeps `text` as the overrides when every line of it reads, else keeps
  // the old ones and shows why.
  Answer saveOverrides(const std::string& text);
  // Writes the preview whole, with the overrides applied.
  Answer crosscheck();
  Answer previewFile(const std::string& path) const;
  // Makes the preview the published results, whole; before the deadline
  // only when `confirmed`.
  Answer publish(bool confirmed);

 private:
  std::string overridesText() const;
  bool hasPreview() const;

  const RobotSettings& settings_;
  LogStore& store_;
  std::vector<std::string> differences_;
  const ReceiptMailer* mailer_;  // null: receipts are not mailed
  // One change of the overrides, the preview or the results at a time.
  std::mutex changing_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_ORGANISER_DESK_H_
