#include "robot/receipt_text.h"

#include "import/utc_time.h"

namespace robot {
namespace {

constexpr char kNone[] = "none given";

std::string claimedText(const std::optional<std::int64_t>& claimed) {
  return claimed ? std::to_string(*claimed) : std::string(kNone);
}

std::string lineLabel(const LineNote& note) {
  return note.line > 0 ? "line " + std::to_string(note.line) : kWholeLog;
}

}  // namespace

std::vector<pages::DetailRow> receiptDetails(const std::string& contest,
                                             const Submission& submission,
                                             const std::optional<LogFacts>& facts,
                                             const std::string& mailNote) {
  std::vector<pages::DetailRow> rows = {
      {"Contest", contest},
      {"Receipt", submission.receipt},
      {"Received", imports::formatUtc(submission.received)},
      {"Call", submission.call},
      {"Category", submission.category.empty() ? kNone : submission.category},
      {"QSOs", std::to_string(submission.qsos)}};
  // The score's parts, where the contest multiplies its points.
  if (facts && facts->claimedMultipliers) {
    rows.push_back({"Claimed QSO points by the rules", std::to_string(facts->claimedQsoPoints)});
    rows.push_back(
        {"Claimed multipliers by the rules", std::to_string(*facts->claimedMultipliers)});
  }
  rows.push_back({"Claimed score by the rules", std::to_string(submission.claimedByRules)});
  rows.push_back({"CLAIMED-SCORE in the log", claimedText(submission.claimedScore)});
  if (!mailNote.empty()) rows.push_back({"E-mail", mailNote});
  return rows;
}

std::string warningsHeading(const LogFacts& facts) {
  return "Warnings (" + std::to_string(facts.warnings.size()) + ")";
}

std::string receiptText(const std::string& contest, const Submission& submission,
                        const LogFacts& facts, const std::string& mailNote) {
  std::string text = std::string(kReceiptTitle) + ". " + kReceiptAdvice + "\n\n";
  for (const pages::DetailRow& row : receiptDetails(contest, submission, facts, mailNote)) {
    text += row.label + ": " + row.value + "\n";
  }
  text += std::string("\n") + kBandsHeading + "\n";
  for (const BandCount& band : facts.bands) {
    text += "  " + band.band + ": " + std::to_string(band.qsos) + "\n";
  }
  text += "\n" + warningsHeading(facts) + "\n";
  if (facts.warnings.empty()) text += std::string("  ") + kNoWarnings + "\n";
  for (const LineNote& note : facts.warnings) {
    text += "  " + lineLabel(note) + ": " + note.message + "\n";
    if (!note.text.empty()) text += "    " + note.text + "\n";
  }
  return text;
}

}  // namespace robot
