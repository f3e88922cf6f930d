#include "robot/upload_window.h"

namespace robot {

UploadWindow uploadWindowAt(const RobotSettings& settings, imports::UnixTime now) {
  if (settings.opens && now < *settings.opens) return UploadWindow::kNotYetOpen;
  if (settings.deadline && now > *settings.deadline) return UploadWindow::kClosed;
  return UploadWindow::kOpen;
}

}  // namespace robot
