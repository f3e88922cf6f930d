#include "robot/organiser_desk.h"

#include <algorithm>

#include "errors/tool_error.h"
#include "files/whole_file.h"
#include "files/whole_folder.h"
#include "import/log_folder.h"
#include "publish/publish_contest.h"
#include "publish/run_description.h"
#include "robot/folder_file.h"
#include "robot/front_pages.h"
#include "robot/organiser_pages.h"

namespace robot {
namespace {

constexpr int kNotFound = 404;
constexpr int kConflict = 409;
constexpr int kUnprocessable = 422;
constexpr int kServerFailed = 500;

files::FileSystem& fileSystem() { return files::defaultFileSystem(); }

// A page number of at most nine digits, from 1; 0 for anything else.
std::int64_t pageNumber(const std::string& text) {
  if (text.empty()) return 1;
  if (text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::stoll(text);
}

// Bad input (an override naming no QSO) is the organiser's to mend; the rest is the machine's.
Answer failedRun(const errors::ToolError& error) {
  const bool input = error.kind() != errors::ErrorKind::kIo;
  return {input ? kUnprocessable : kServerFailed, messagePage("Cross-check failed", error.what())};
}

std::vector<std::string> unreadableLogs(const crosscheck::Results& results) {
  std::vector<std::string> unreadable;
  for (const crosscheck::UnreadableLog& log : results.unreadable) {
    unreadable.push_back(errors::describe({log.file, log.line, {}}, log.error));
  }
  return unreadable;
}

}  // namespace

OrganiserDesk::OrganiserDesk(const RobotSettings& settings, LogStore& store,
                             std::vector<std::string> differences, const ReceiptMailer* mailer)
    : settings_(settings), store_(store), differences_(std::move(differences)), mailer_(mailer) {}

Answer OrganiserDesk::submissions(const std::string& number) const {
  const std::int64_t wanted = pageNumber(number);
  const SubmissionPage page = store_.submissionPage(
      (std::max<std::int64_t>(wanted, 1) - 1) * kSubmissionsPerPage, kSubmissionsPerPage);
  const std::int64_t pages =
      std::max<std::int64_t>(1, (page.total + kSubmissionsPerPage - 1) / kSubmissionsPerPage);
  if (wanted < 1 || wanted > pages) {
    return {kNotFound, messagePage("No such page", "The submissions fill pages 1 to " +
                                                       std::to_string(pages) + ".")};
  }
  try {
    return {200, submissionsPage({page, wanted, pages, differences_, overridesText(), hasPreview(),
                                  mailer_ ? std::optional(mailer_->mails()) : std::nullopt})};
  } catch (const errors::ToolError& error) {
    return {kServerFailed, messagePage("Overrides or mail outbox unreadable", error.what())};
  }
}

Answer OrganiserDesk::download(const std::string& receipt) const {
  std::optional<std::string> version = store_.storedVersion(receipt);
  if (!version) {
    return {kNotFound, messagePage("No such version", "No text is kept under that receipt.")};
  }
  Answer file(200, *version);
  file.contentType = "text/plain; charset=utf-8";
  file.attachmentName = receipt + ".log";
  return file;
}

Answer OrganiserDesk::saveOverrides(const std::string& text) {
  const std::string path = store_.layout().overridesFile();
  try {
    crosscheck::parseOverrides(text, path);
  } catch (const errors::ToolError& error) {
    return {kUnprocessable, overridesRefusedPage(error.what(), text)};
  }
  std::lock_guard<std::mutex> lock(changing_);
  try {
    files::writeAtomically(fileSystem(), path, text);
  } catch (const errors::ToolError& error) {
    return {kServerFailed, messagePage("Overrides not saved", error.what())};
  }
  Answer back(303, "");
  back.headers = {{"Location", std::string(kOrganiserPath) + "#overrides"}};
  return back;
}

Answer OrganiserDesk::crosscheck() {
  std::lock_guard<std::mutex> lock(changing_);
  const std::string outDir = store_.layout().previewDir();
  try {
    crosscheck::Request request;
    request.definition = settings_.definition;
    request.files = imports::listLogFiles({store_.layout().dir()});
    request.overrides =
        crosscheck::parseOverrides(overridesText(), store_.layout().overridesFile());
    const crosscheck::Results results = publish::publishContest(request, outDir);
    return {200, crosscheckPage(publish::describeRun(results, outDir), unreadableLogs(results))};
  } catch (const errors::ToolError& error) {
    return failedRun(error);
  }
}

Answer OrganiserDesk::previewFile(const std::string& path) const {
  return folderFile(store_.layout().previewDir(), path);
}

Answer OrganiserDesk::publish(bool confirmed) {
  std::lock_guard<std::mutex> lock(changing_);
  if (!hasPreview()) {
    return {kConflict,
            messagePage("Nothing to publish", "Cross-check the logs into a preview first.")};
  }
  if (settings_.deadline && settings_.clock() < *settings_.deadline && !confirmed) {
    return {200, confirmPublishPage(*settings_.deadline)};
  }
  try {
    files::moveFolderIntoPlace(fileSystem(), store_.layout().previewDir(),
                               store_.layout().resultsDir());
  } catch (const errors::ToolError& error) {
    return {kServerFailed, messagePage("Not published", error.what())};
  }
  return {200, publishedPage()};
}

// None kept yet reads as none.
std::string OrganiserDesk::overridesText() const {
  const std::string path = store_.layout().overridesFile();
  const std::vector<std::string> beside = fileSystem().listFiles(files::folderOf(path));
  const std::string name = path.substr(path.rfind('/') + 1);
  if (!std::binary_search(beside.begin(), beside.end(), name)) return "";
  return fileSystem().readWhole(path);
}

bool OrganiserDesk::hasPreview() const {
  return fileSystem().isFolder(store_.layout().previewDir());
}

}  // namespace robot
