#ifndef ZVK_ROBOT_ORGANISER_PAGES_H_
#define ZVK_ROBOT_ORGANISER_PAGES_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "import/utc_time.h"
#include "robot/mail_outbox.h"
#include "robot/submission_db.h"

namespace robot {

// A script sends the organiser's key in this header; a browser logs in with
// the key field of a form and then sends the session cookie. The key never
// travels in an address.
constexpr char kKeyHeader[] = "X-Organiser-Key";
constexpr char kKeyField[] = "key";
constexpr char kSessionCookie[] = "zvk-organiser";
constexpr char kReceiptField[] = "receipt";
constexpr char kPageField[] = "page";
constexpr char kOverridesField[] = "overrides";
constexpr char kConfirmField[] = "confirm";
constexpr char kOrganiserPath[] = "/organiser";
constexpr char kLoginPath[] = "/organiser/login";
constexpr char kLogoutPath[] = "/organiser/logout";
constexpr char kDownloadPath[] = "/organiser/download";
constexpr char kOverridesPath[] = "/organiser/overrides";
constexpr char kCrosscheckPath[] = "/organiser/crosscheck";
constexpr char kPreviewPath[] = "/organiser/preview/";
constexpr char kPublishPath[] = "/organiser/publish";
constexpr char kResultsPath[] = "/results/";
constexpr std::int64_t kSubmissionsPerPage = 100;

// What the organiser's page shows besides the submissions.
struct DeskView {
  const SubmissionPage& page;
  std::int64_t number;  // of the page, from 1
  std::int64_t pages;
  const std::vector<std::string>& differences;  // what the start-up check found
  std::string overrides;                        // the overrides text kept
  bool hasPreview;
  std::optional<std::vector<OutboxMail>> mails;  // the receipts' mails; unset: none are sent
};

// Asks for the key; `wrongKey`: the last one given was wrong.
std::string keyPage(bool wrongKey);
std::string tooManyKeysPage(imports::UnixTime wait);
std::string keyInAddressPage();
// A page of the submissions, the overrides to edit, the cross-check into
// the preview and its publishing, and where the store disagrees with itself.
std::string submissionsPage(const DeskView& view);
// What the cross-check run did, the way to its preview and the publish button.
std::string crosscheckPage(const std::string& summary, const std::vector<std::string>& unreadable);
// The overrides refused, why, and the text sent, to be mended.
std::string overridesRefusedPage(const std::string& reason, const std::string& text);
// The question asked before publishing ahead of the deadline.
std::string confirmPublishPage(imports::UnixTime deadline);
std::string publishedPage();

}  // namespace robot

#endif  // ZVK_ROBOT_ORGANISER_PAGES_H_
