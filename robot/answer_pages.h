#ifndef ZVK_ROBOT_ANSWER_PAGES_H_
#define ZVK_ROBOT_ANSWER_PAGES_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "pages/html_writer.h"
#include "robot/submission.h"
#include "robot/upload_reading.h"

// The answers to an upload.
namespace robot {

// Whether the receipt is of this upload, or of the same bytes sent before.
enum class Receipt { kNew, kSentBefore };

// Where an accepted log's receipt is found again, by its code.
constexpr char kReceiptPath[] = "/receipt/";
// The query parameter that marks the receipt shown for the same bytes sent again.
constexpr char kSentParameter[] = "sent";
constexpr char kSentBefore[] = "before";
std::string receiptPath(const std::string& receipt, Receipt kind = Receipt::kNew);
// A table of notes, one row each: the line number, the message, the line
// itself with its spacing.
void writeNotes(pages::HtmlWriter& html, const std::vector<LineNote>& notes, const char* kind);
// The log was kept: the contest, the receipt, and from `facts` (empty when
// the log kept no longer reads) the QSOs per band and the warnings by line.
// `mailNote` as receiptDetails takes it.
std::string receiptPage(const std::string& contest, const Submission& submission,
                        const std::optional<LogFacts>& facts, Receipt receipt,
                        const std::string& mailNote);
// The most problems a refusal lists; the rest are counted.
constexpr std::size_t kProblemsShown = 50;
// The log cannot be read: the problems with their lines, the first
// kProblemsShown of them.
std::string refusalPage(const std::vector<LineNote>& problems);
// Larger than the limit.
std::string tooLargePage(std::size_t sizeLimit);
// More uploads from one address than the robot takes; it may send again in `seconds`.
std::string tooManyUploadsPage(long seconds);

}  // namespace robot

#endif  // ZVK_ROBOT_ANSWER_PAGES_H_
