#include "robot/receive_log.h"

#include <iostream>

#include "errors/tool_error.h"
#include "robot/answer_pages.h"
#include "robot/front_pages.h"
#include "robot/upload_window.h"

namespace robot {
namespace {

constexpr int kSeeOther = 303;
constexpr int kNothingSent = 400;
constexpr int kForbidden = 403;
constexpr int kTooLarge = 413;
constexpr int kUnreadable = 422;
constexpr int kCannotStore = 500;

std::string firstProblem(const std::vector<LineNote>& problems) {
  const LineNote& first = problems.front();
  std::string text =
      (first.line > 0 ? "line " + std::to_string(first.line) + ": " : "") + first.message;
  if (problems.size() > 1) text += " (and " + std::to_string(problems.size() - 1) + " more)";
  return text;
}

Answer refuseOutsideWindow(std::string_view text, const std::string& call,
                           const RobotSettings& settings, UnixTime now, LogStore& store) {
  const bool early = uploadWindowAt(settings, now) == UploadWindow::kNotYetOpen;
  store.refuse(text, call, early ? "sent before uploads opened" : "sent after the deadline",
               settings.sizeLimit);
  return {kForbidden,
          messagePage("Log not accepted", uploadsShutText(settings, now) + " Nothing was kept.")};
}

// The browser is sent on to the receipt's own page, so that reloading it
// shows the receipt again instead of sending the log again.
Answer seeReceipt(const Submission& kept, Receipt kind) {
  Answer answer{kSeeOther, ""};
  answer.headers.emplace_back("Location", receiptPath(kept.receipt, kind));
  return answer;
}

// Each refusal is kept with the call as read and the text up to the limit,
// so that the organiser can follow it.
Answer keep(std::string_view text, const RobotSettings& settings, LogStore& store,
            ReceiptMailer* mailer, std::string_view sent) {
  const UnixTime now = settings.clock();
  if (nothingSent(text)) {
    return {
        kNothingSent,
        homePage(settings, now, "No log was sent: choose the file, or paste the log, then send.")};
  }
  auto refuse = [&](const std::string& call, const std::string& reason) {
    store.refuse(text, call, reason, settings.sizeLimit);
  };
  if (text.size() > settings.sizeLimit) {
    refuse("", "larger than " + std::to_string(settings.sizeLimit) + " bytes");
    return {kTooLarge, tooLargePage(settings.sizeLimit)};
  }
  UploadReading reading = readUpload(text, settings);
  if (uploadWindowAt(settings, now) != UploadWindow::kOpen) {
    return refuseOutsideWindow(text, reading.call, settings, now, store);
  }
  if (!reading.facts) {
    refuse(reading.call, firstProblem(reading.problems));
    return {kUnreadable, refusalPage(reading.problems)};
  }
  if (std::optional<Submission> kept = store.currentCopy(reading.facts->call, text)) {
    return seeReceipt(*kept, Receipt::kSentBefore);
  }
  const Submission kept = store.accept(text, *reading.facts, sent);
  if (mailer) mailer->queue(kept, *reading.facts);
  return seeReceipt(kept, Receipt::kNew);
}

}  // namespace

bool nothingSent(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

Answer receiveLog(std::string_view text, const RobotSettings& settings, LogStore& store,
                  ReceiptMailer* mailer, std::string_view sent) {
  try {
    return keep(text, settings, store, mailer, sent);
  } catch (const errors::ToolError& error) {
    std::cerr << "zvk-score serve: " << error.what() << "\n";
    return {kCannotStore, messagePage("Log not kept",
                                      "The robot could not store the log, so it "
                                      "kept nothing; please send it again later.")};
  }
}

}  // namespace robot
