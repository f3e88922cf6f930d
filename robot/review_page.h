#ifndef ZVK_ROBOT_REVIEW_PAGE_H_
#define ZVK_ROBOT_REVIEW_PAGE_H_

#include <string>
#include <string_view>

#include "robot/robot_settings.h"

namespace robot {

// Where the upload form goes first, and the review form's field that names
// the log kept for it.
constexpr char kReviewPath[] = "/review";
constexpr char kTokenField[] = "token";

// The review of `text`, kept under `token`, before it is sent: every problem
// and warning the check finds, and the header as read as a form to correct
// and send (each category field a choice of the values the contest takes).
std::string reviewPage(std::string_view text, const std::string& token,
                       const RobotSettings& settings);
// The review's log is no longer kept: choose it again.
std::string reviewExpiredPage();

}  // namespace robot

#endif  // ZVK_ROBOT_REVIEW_PAGE_H_
