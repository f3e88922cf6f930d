#ifndef ZVK_ROBOT_RECEIPT_ANSWER_H_
#define ZVK_ROBOT_RECEIPT_ANSWER_H_

#include <string>

#include "robot/answer.h"
#include "robot/answer_pages.h"
#include "robot/log_store.h"
#include "robot/receipt_mailer.h"
#include "robot/robot_settings.h"

namespace robot {

// The page of an accepted log's receipt, its bands and warnings read again
// from the version kept. A code of no accepted log is answered as a page
// that is not there, with no body (the server's own page follows): it tells
// nothing of which codes exist. `kind` says whether the same bytes were just
// sent again; `mailer` (when set) what became of its mail.
Answer receiptAnswer(const std::string& receipt, const RobotSettings& settings,
                     const LogStore& store, Receipt kind, const ReceiptMailer* mailer);

}  // namespace robot

#endif  // ZVK_ROBOT_RECEIPT_ANSWER_H_
