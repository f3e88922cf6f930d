#include "robot/receive_log.h"

#include <iostream>

#include "errors/tool_error.h"
#include "robot/answer_pages.h"
#include "robot/front_pages.h"

namespace robot {
namespace {

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

Answer keep(std::string_view text, const RobotSettings& settings, LogStore& store,
            ReceiptMailer* mailer) {
  if (text.size() > settings.sizeLimit) {
    store.refuse(text, "", "larger than " + std::to_string(settings.sizeLimit) + " bytes");
    return {kTooLarge, tooLargePage(settings.sizeLimit)};
  }
  const crosscheck::StationFiles stations =
      settings.stationFiles ? settings.stationFiles->view() : crosscheck::StationFiles{};
  UploadReading reading = readUpload(text, settings.definition, stations);
  const std::string call = reading.facts ? reading.facts->call : std::string();
  if (settings.deadline && settings.clock() > *settings.deadline) {
    store.refuse(text, call, "sent after the deadline");
    return {kForbidden, deadlinePage(*settings.deadline)};
  }
  if (!reading.facts) {
    store.refuse(text, call, firstProblem(reading.problems));
    return {kUnreadable, refusalPage(reading.problems)};
  }
  const Submission kept = store.accept(text, *reading.facts);
  const std::string mailNote = mailer ? mailer->queue(kept, *reading.facts) : std::string();
  return {200, receiptPage(kept, *reading.facts, mailNote)};
}

}  // namespace

Answer receiveLog(std::string_view text, const RobotSettings& settings, LogStore& store,
                  ReceiptMailer* mailer) {
  try {
    return keep(text, settings, store, mailer);
  } catch (const errors::ToolError& error) {
    std::cerr << "zvk-score serve: " << error.what() << "\n";
    return {kCannotStore, messagePage("Log not kept",
                                      "The robot could not store the log, so it "
                                      "kept nothing; please send it again later.")};
  }
}

}  // namespace robot
