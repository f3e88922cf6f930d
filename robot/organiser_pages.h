#ifndef ZVK_ROBOT_ORGANISER_PAGES_H_
#define ZVK_ROBOT_ORGANISER_PAGES_H_

#include <optional>
#include <string>
#include <vector>

#include "robot/mail_outbox.h"
#include "robot/submission.h"

namespace robot {

// The organiser's key travels in this header or form field; a download names
// its version in the receipt field.
constexpr char kKeyHeader[] = "X-Organiser-Key";
constexpr char kKeyField[] = "key";
constexpr char kReceiptField[] = "receipt";
constexpr char kOrganiserPath[] = "/organiser";
constexpr char kDownloadPath[] = "/organiser/download";
constexpr char kCrosscheckPath[] = "/organiser/crosscheck";
constexpr char kResultsPath[] = "/results/";

// Asks for the key; `wrongKey`: the last one given was wrong.
std::string keyPage(bool wrongKey);
// Every submission with its receipt, a download of each version kept, the
// button that runs the cross-check, where the store disagrees with itself,
// and the receipts' mails (unset: none are sent).
std::string submissionsPage(const std::vector<Submission>& submissions,
                            const std::vector<std::string>& differences,
                            const std::optional<std::vector<OutboxMail>>& mails,
                            const std::string& key);
// What the cross-check run did, and where its pages are.
std::string crosscheckPage(const std::string& summary, const std::vector<std::string>& unreadable);

}  // namespace robot

#endif  // ZVK_ROBOT_ORGANISER_PAGES_H_
