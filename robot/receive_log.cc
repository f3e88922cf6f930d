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

// Each refusal is kept with the call as read and the text up to the limit,
// so that the organiser can follow it.
Answer keep(std::string_view text, const RobotSettings& settings, LogStore& store) {
  auto refuse = [&](const std::string& call, const std::string& reason) {
    store.refuse(text, call, reason, settings.sizeLimit);
  };
  if (text.size() > settings.sizeLimit) {
    refuse("", "larger than " + std::to_string(settings.sizeLimit) + " bytes");
    return {kTooLarge, tooLargePage(settings.sizeLimit)};
  }
  const crosscheck::StationFiles stations =
      settings.stationFiles ? settings.stationFiles->view() : crosscheck::StationFiles{};
  UploadReading reading = readUpload(text, settings.definition, stations);
  if (settings.deadline && settings.clock() > *settings.deadline) {
    refuse(reading.call, "sent after the deadline");
    return {kForbidden, deadlinePage(*settings.deadline)};
  }
  if (!reading.facts) {
    refuse(reading.call, firstProblem(reading.problems));
    return {kUnreadable, refusalPage(reading.problems)};
  }
  if (std::optional<Submission> kept = store.currentCopy(reading.facts->call, text)) {
    return {200, receiptPage(*kept, *reading.facts, Receipt::kSentBefore)};
  }
  return {200, receiptPage(store.accept(text, *reading.facts), *reading.facts, Receipt::kNew)};
}

}  // namespace

Answer receiveLog(std::string_view text, const RobotSettings& settings, LogStore& store) {
  try {
    return keep(text, settings, store);
  } catch (const errors::ToolError& error) {
    std::cerr << "zvk-score serve: " << error.what() << "\n";
    return {kCannotStore, messagePage("Log not kept",
                                      "The robot could not store the log, so it "
                                      "kept nothing; please send it again later.")};
  }
}

}  // namespace robot
