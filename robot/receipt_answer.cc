#include "robot/receipt_answer.h"

#include <optional>

#include "robot/answer_pages.h"
#include "robot/upload_reading.h"

namespace robot {

Answer receiptAnswer(const std::string& receipt, const RobotSettings& settings,
                     const LogStore& store, Receipt kind, const ReceiptMailer* mailer) {
  constexpr int kNotFound = 404;
  const std::optional<Submission> submission = store.accepted(receipt);
  if (!submission) return {kNotFound, ""};
  const std::optional<std::string> version = store.storedVersion(receipt);
  const std::optional<LogFacts> facts =
      version ? readUpload(*version, settings).facts : std::nullopt;
  const std::string mailNote = mailer && facts ? mailer->noteFor(*submission, *facts) : "";
  return {200, receiptPage(settings.definition.name, *submission, facts, kind, mailNote)};
}

}  // namespace robot
