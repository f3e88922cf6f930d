#ifndef ZVK_ROBOT_ANSWER_PAGES_H_
#define ZVK_ROBOT_ANSWER_PAGES_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "robot/submission.h"
#include "robot/upload_reading.h"

// The answers to an upload.
namespace robot {

// Where an accepted log's receipt is found again, by its code.
constexpr char kReceiptPath[] = "/receipt/";
std::string receiptPath(const std::string& receipt);
// The log was kept: the contest, the receipt, and from `facts` (empty when
// the log kept no longer reads) the QSOs per band and the warnings by line.
std::string receiptPage(const std::string& contest, const Submission& submission,
                        const std::optional<LogFacts>& facts);
// The log cannot be read: every problem with its line.
std::string refusalPage(const std::vector<LineNote>& problems);
// Larger than the limit.
std::string tooLargePage(std::size_t sizeLimit);

}  // namespace robot

#endif  // ZVK_ROBOT_ANSWER_PAGES_H_
