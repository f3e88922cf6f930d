#ifndef ZVK_ROBOT_ANSWER_PAGES_H_
#define ZVK_ROBOT_ANSWER_PAGES_H_

#include <cstddef>
#include <string>
#include <vector>

#include "robot/submission.h"
#include "robot/upload_reading.h"

// The answers to an upload.
namespace robot {

// Whether the receipt is of this upload, or of the same bytes sent before.
enum class Receipt { kNew, kSentBefore };

// The log was kept: the receipt, what was read, and the warnings by line.
std::string receiptPage(const Submission& submission, const LogFacts& facts, Receipt receipt);
// The most problems a refusal lists; the rest are counted.
constexpr std::size_t kProblemsShown = 50;
// The log cannot be read: the problems with their lines, the first
// kProblemsShown of them.
std::string refusalPage(const std::vector<LineNote>& problems);
// Sent after the deadline.
std::string deadlinePage(UnixTime deadline);
// Larger than the limit.
std::string tooLargePage(std::size_t sizeLimit);
// More uploads from one address than the robot takes; it may send again in `seconds`.
std::string tooManyUploadsPage(long seconds);

}  // namespace robot

#endif  // ZVK_ROBOT_ANSWER_PAGES_H_
