#ifndef ZVK_ROBOT_RECEIVE_LOG_H_
#define ZVK_ROBOT_RECEIVE_LOG_H_

#include <string_view>

#include "robot/answer.h"
#include "robot/log_store.h"
#include "robot/receipt_mailer.h"
#include "robot/robot_settings.h"

namespace robot {

// No file chosen, an empty file, nothing pasted: a slip, not a log.
bool nothingSent(std::string_view text);

// Takes one upload: answers an empty one with the form again, keeping
// nothing; refuses it when it comes before uploads open or after the
// deadline, is larger than the limit or cannot be read (each refusal kept as
// a row); else keeps it, has `mailer` (when set) mail the receipt, and sends
// the browser on to its receipt's page. `sent`: the log as sent, when `text`
// is it with the header corrected on the review page; kept in the history too.
Answer receiveLog(std::string_view text, const RobotSettings& settings, LogStore& store,
                  ReceiptMailer* mailer, std::string_view sent = {});

}  // namespace robot

#endif  // ZVK_ROBOT_RECEIVE_LOG_H_
