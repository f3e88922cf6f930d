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
  std::string current(const std::string& call) const;
  std::string history(const std::string& receipt) const;
  std::string historyDir() const;
  std::string scratchDir() const;
  std::string database() const;
  std::string outbox() const;
  // DIR/../results: where the cross-check of the received logs is written.
  std::string resultsDir() const;

  // Makes the folders. Throws errors::ToolError.
  void create(files::FileSystem& files) const;

 private:
  std::string dir_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_STORE_LAYOUT_H_
