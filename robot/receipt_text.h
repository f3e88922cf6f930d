#ifndef ZVK_ROBOT_RECEIPT_TEXT_H_
#define ZVK_ROBOT_RECEIPT_TEXT_H_

#include <optional>
#include <string>
#include <vector>

#include "pages/station_details.h"
#include "robot/log_facts.h"
#include "robot/submission.h"

// What a receipt says, on its page and in its mail alike.
namespace robot {

constexpr char kReceiptTitle[] = "Log received";
constexpr char kReceiptAdvice[] = "Keep the receipt code.";
constexpr char kBandsHeading[] = "QSOs per band";
constexpr char kWholeLog[] = "whole log";  // a note's place when it has no line
constexpr char kNoWarnings[] = "None: every QSO counts by the contest's rules.";

// The receipt's facts as label and value, from the row kept and, when the
// log kept still reads, its `facts`; `mailNote`, when not empty, says where
// the receipt is mailed, or why it is not.
std::vector<pages::DetailRow> receiptDetails(const std::string& contest,
                                             const Submission& submission,
                                             const std::optional<LogFacts>& facts,
                                             const std::string& mailNote);
std::string warningsHeading(const LogFacts& facts);

// The whole receipt as plain text, lines ended by LF: what its mail says.
std::string receiptText(const std::string& contest, const Submission& submission,
                        const LogFacts& facts, const std::string& mailNote);

}  // namespace robot

#endif  // ZVK_ROBOT_RECEIPT_TEXT_H_
