#ifndef ZVK_ROBOT_FRONT_PAGES_H_
#define ZVK_ROBOT_FRONT_PAGES_H_

#include <string>
#include <vector>

#include "robot/robot_settings.h"
#include "robot/submission.h"

namespace robot {

// The form field names of an upload: a file, or the log pasted as text.
constexpr char kFileField[] = "log";
constexpr char kTextField[] = "text";

// Why no log is taken at `now` (not yet, or no more); empty while logs are taken.
std::string uploadsShutText(const RobotSettings& settings, UnixTime now);
// "/": the contest, its period and deadline, and the upload form while logs
// are taken at `now` (`notice`, when given, above it), else when they are.
std::string homePage(const RobotSettings& settings, UnixTime now, const std::string& notice = "");
// "/received": the logs received so far, one row per call, nothing private.
std::string receivedPage(const RobotSettings& settings, const std::vector<Submission>& received);
// A page of one message: a page not found, the organiser pages off, a fault.
std::string messagePage(const std::string& title, const std::string& message);

}  // namespace robot

#endif  // ZVK_ROBOT_FRONT_PAGES_H_
