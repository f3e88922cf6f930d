#ifndef ZVK_ROBOT_RECEIVE_LOG_H_
#define ZVK_ROBOT_RECEIVE_LOG_H_

#include <string_view>

#include "robot/answer.h"
#include "robot/log_store.h"
#include "robot/receipt_mailer.h"
#include "robot/robot_settings.h"

namespace robot {

// Takes one upload: refuses it when it comes after the deadline, is larger
// than the limit or cannot be read (each refusal kept as a row), else keeps
// it, has `mailer` (when set) mail the receipt, and answers with the receipt.
Answer receiveLog(std::string_view text, const RobotSettings& settings, LogStore& store,
                  ReceiptMailer* mailer);

}  // namespace robot

#endif  // ZVK_ROBOT_RECEIVE_LOG_H_
