#ifndef ZVK_ROBOT_RECEIVE_LOG_H_
#define ZVK_ROBOT_RECEIVE_LOG_H_

#include <string_view>

#include "robot/answer.h"
#include "robot/log_store.h"
#include "robot/robot_settings.h"

namespace robot {

// Takes one upload: refuses it when it comes after the deadline, is larger
// than the limit or cannot be read (each refusal kept as a row), else keeps
// it and answers with the receipt. `sent`: the log as sent, when `text` is
// it with the header corrected on the review page; kept in the history too.
Answer receiveLog(std::string_view text, const RobotSettings& settings, LogStore& store,
                  std::string_view sent = {});

}  // namespace robot

#endif  // ZVK_ROBOT_RECEIVE_LOG_H_
