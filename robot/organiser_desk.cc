#include "robot/organiser_desk.h"

#include "errors/tool_error.h"
#include "import/log_folder.h"
#include "publish/publish_contest.h"
#include "publish/run_description.h"
#include "robot/front_pages.h"
#include "robot/organiser_key.h"
#include "robot/organiser_pages.h"

namespace robot {
namespace {

constexpr int kForbidden = 403;
constexpr int kNotFound = 404;
constexpr int kCannotWrite = 500;

Answer refuseKey() { return {kForbidden, keyPage(true)}; }

}  // namespace

OrganiserDesk::OrganiserDesk(const RobotSettings& settings, LogStore& store,
                             std::vector<std::string> differences, const ReceiptMailer* mailer)
    : settings_(settings), store_(store), differences_(std::move(differences)), mailer_(mailer) {}

bool OrganiserDesk::allows(const std::string& key) const {
  return isOrganiserKey(key, settings_.organiserKey);
}

Answer OrganiserDesk::submissions(const std::string& key) const {
  if (!allows(key)) return refuseKey();
  std::optional<std::vector<OutboxMail>> mails;
  try {
    if (mailer_) mails = mailer_->mails();
  } catch (const errors::ToolError& error) {
    return {kCannotWrite, messagePage("Mail outbox unreadable", error.what())};
  }
  return {200, submissionsPage(store_.submissions(), differences_, mails, key)};
}

Answer OrganiserDesk::download(const std::string& key, const std::string& receipt) const {
  if (!allows(key)) return refuseKey();
  std::optional<std::string> version = store_.storedVersion(receipt);
  if (!version) {
    return {kNotFound, messagePage("No such version", "No accepted log has that receipt.")};
  }
  Answer file(200, *version);
  file.contentType = "text/plain; charset=utf-8";
  file.attachmentName = receipt + ".log";
  return file;
}

Answer OrganiserDesk::crosscheck(const std::string& key) {
  if (!allows(key)) return refuseKey();
  std::lock_guard<std::mutex> lock(running_);
  crosscheck::Request request;
  request.definition = settings_.definition;
  request.files = imports::listLogFiles({store_.layout().dir()});
  const std::string outDir = store_.layout().resultsDir();
  try {
    const crosscheck::Results results = publish::publishContest(request, outDir);
    std::vector<std::string> unreadable;
    for (const crosscheck::UnreadableLog& log : results.unreadable) {
      unreadable.push_back(errors::describe({log.file, log.line, {}}, log.error));
    }
    return {200, crosscheckPage(publish::describeRun(results, outDir), unreadable)};
  } catch (const std::exception& error) {
    return {kCannotWrite, messagePage("Cross-check failed", error.what())};
  }
}

}  // namespace robot
