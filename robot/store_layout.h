#ifndef ZVK_ROBOT_STORE_LAYOUT_H_
#define ZVK_ROBOT_STORE_LAYOUT_H_

#include <string>

#include "files/file_system.h"

namespace robot {

// Where the robot keeps what it receives, below the logs folder DIR:
// DIR/<CALL>.log (the latest version; the cross-check reads these),
// DIR/.history/<RECEIPT>.log (every version accepted), DIR/.incoming/ (files
// being written), the database DIR/.submissions.sqlite and the mail outbox
// DIR/.outbox.sqlite. The hidden names
// keep everything but the logs out of the cross-check's reading.
class StoreLayout {
 public:
  explicit StoreLayout(std::string dir);

  const std::string& dir() const { return dir_; }
  // The file of `call`'s latest log, named by the plug-in's safe-name rule.
  // The check of a log takes only call signs (letters, digits and /), so no
  // name starts with a dot and no two calls share one.
  std::string current(const std::string& call) const;
  std::string history(const std::string& receipt) const;
  // DIR/.history/<RECEIPT>.sent.log: the log as sent, beside the version kept
  // when the robot's review page corrected its header.
  std::string sentHistory(const std::string& receipt) const;
  std::string historyDir() const;
  std::string scratchDir() const;
  std::string database() const;
  std::string outbox() const;
  // DIR/../results: where the cross-check of the received logs is written.
  std::string resultsDir() const;
  // Beside it: the organiser's preview of the results, hidden, and the
  // overrides the cross-check applies.
  std::string previewDir() const;
  std::string overridesFile() const;

  // Makes the folders. Throws errors::ToolError.
  void create(files::FileSystem& files) const;

 private:
  std::string dir_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_STORE_LAYOUT_H_
