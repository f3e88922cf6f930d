#ifndef ZVK_ROBOT_UPLOAD_WINDOW_H_
#define ZVK_ROBOT_UPLOAD_WINDOW_H_

#include "import/utc_time.h"
#include "robot/robot_settings.h"

namespace robot {

// Whether logs are taken now: the front page's form and the upload agree on it.
enum class UploadWindow { kNotYetOpen, kOpen, kClosed };

UploadWindow uploadWindowAt(const RobotSettings& settings, imports::UnixTime now);

}  // namespace robot

#endif  // ZVK_ROBOT_UPLOAD_WINDOW_H_
