#ifndef ZVK_ROBOT_ANSWER_PAGES_H_
#define ZVK_ROBOT_ANSWER_PAGES_H_

#include <cstddef>
#include <string>
#include <vector>

#include "robot/submission.h"
#include "robot/upload_reading.h"

// The answers to an upload.
namespace robot {

// The log was kept: the receipt, what was read, and the warnings by line;
// `mailNote` as receiptDetails takes it.
std::string receiptPage(const Submission& submission, const LogFacts& facts,
                        const std::string& mailNote);
// The log cannot be read: every problem with its line.
std::string refusalPage(const std::vector<LineNote>& problems);
// Sent after the deadline.
std::string deadlinePage(UnixTime deadline);
// Larger than the limit.
std::string tooLargePage(std::size_t sizeLimit);

}  // namespace robot

#endif  // ZVK_ROBOT_ANSWER_PAGES_H_
