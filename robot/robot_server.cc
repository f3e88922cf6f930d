#include "robot/robot_server.h"

#include <httplib.h>

#include <chrono>
#include <thread>

#include "errors/tool_error.h"
#include "files/posix_file_system.h"
#include "robot/answer_pages.h"
#include "robot/client_address.h"
#include "robot/front_pages.h"
#include "robot/header_corrections.h"
#include "robot/http_workers.h"
#include "robot/listen_socket.h"
#include "robot/organiser_pages.h"
#include "robot/organiser_request.h"
#include "robot/receipt_answer.h"
#include "robot/receive_log.h"
#include "robot/review_page.h"
#include "robot/upload_window.h"

namespace robot {
namespace {

// Room for the form's own parts around a log of the largest size.
constexpr std::size_t kFormOverhead = 64 * 1024;
constexpr int kTooLarge = 413;
constexpr int kNotFound = 404;
constexpr int kBadRequest = 400;
constexpr char kCacheControl[] = "Cache-Control";
constexpr char kNoStore[] = "no-store";
// The organiser routes that answer without the key: the login's own.
constexpr bool kOpenToAll = true;
constexpr int kTooManyRequests = 429;
constexpr int kGone = 410;
// Logs kept for their review: room for this many of the largest size.
constexpr std::size_t kPendingLogs = 8;
constexpr char kUrlEncoded[] = "application/x-www-form-urlencoded";
// A client that sends nothing for this long loses its worker.
constexpr time_t kReadTimeoutSeconds = 5;
// An idle kept-alive connection is closed after this long, or after this many
// requests, so that idle browsers hold no worker for long.
constexpr time_t kKeepAliveSeconds = 2;
constexpr std::size_t kKeepAliveRequests = 100;
// How long a stop waits for connections already made to get a worker.
constexpr auto kStopGrace = std::chrono::seconds(10);
constexpr auto kStopPoll = std::chrono::milliseconds(10);

// A field of a form sent either way a browser sends one.
std::string formField(const httplib::Request& request, const char* name) {
  if (request.has_file(name)) return request.get_file_value(name).content;
  return request.get_param_value(name);
}

// The log of an upload: the file chosen, else the text pasted.
std::string uploadedLog(const httplib::Request& request) {
  std::string file = formField(request, kFileField);
  return file.empty() ? formField(request, kTextField) : file;
}

void reply(httplib::Response& response, const Answer& answer) {
  response.status = answer.status;
  for (const auto& header : answer.headers) response.set_header(header.first, header.second);
  if (!answer.attachmentName.empty()) {
    response.set_header("Content-Disposition",
                        "attachment; filename=\"" + answer.attachmentName + "\"");
  }
  response.set_content(answer.page, answer.contentType.c_str());
}

// The library takes URL-encoded forms up to a small size of its own only.
bool isUrlEncoded(const httplib::Request& request) {
  return request.get_header_value("Content-Type").rfind(kUrlEncoded, 0) == 0;
}

std::string errorPage(const httplib::Request& request, int status, std::size_t sizeLimit) {
  if (status == kTooLarge && isUrlEncoded(request)) {
    return messagePage("Log not accepted",
                       "A log in a URL-encoded form is taken up to 8 KiB only; send it as "
                       "multipart/form-data, as the form on the robot's page does.");
  }
  if (status == kTooLarge) return tooLargePage(sizeLimit);
  if (status == kNotFound) return messagePage("Not found", "No such page here.");
  return messagePage("Not answered", "The request could not be answered (HTTP status " +
                                         std::to_string(status) + ").");
}

void replyPage(httplib::Response& response, const std::string& page) {
  reply(response, {200, page});
}

std::unique_ptr<ReceiptMailer> mailerOf(const RobotSettings& settings, const StoreLayout& layout) {
  if (!settings.mail) return nullptr;
  return std::make_unique<ReceiptMailer>(*settings.mail, layout.outbox(), settings.definition.name,
                                         settings.clock);
}

}  // namespace

RobotServer::RobotServer(RobotSettings settings)
    : settings_(std::move(settings)),
      store_(settings_.logsDir, settings_.clock),
      differences_(store_.differences(CheckDepth::kSizes)),
      mailer_(mailerOf(settings_, store_.layout())),
      organiser_(settings_, store_, differences_, mailer_.get()),
      gate_(settings_.organiserKey, settings_.clock),
      uploadLimit_(settings_.uploadRate, settings_.clock),
      pending_(kPendingLogs * settings_.sizeLimit, settings_.clock),
      http_(std::make_unique<httplib::Server>()) {
  route();
}

RobotServer::~RobotServer() = default;

void RobotServer::route() {
  limitConnections();
  http_->set_payload_max_length(settings_.sizeLimit + kFormOverhead);
  http_->Get("/", [this](const httplib::Request&, httplib::Response& response) {
    replyPage(response, homePage(settings_, settings_.clock()));
  });
  http_->Get("/received", [this](const httplib::Request&, httplib::Response& response) {
    replyPage(response, receivedPage(settings_, latestAccepted(store_.submissions())));
  });
  http_->Get(std::string(kReceiptPath) + "([^/]+)", [this](const httplib::Request& request,
                                                           httplib::Response& response) {
    const bool again = request.get_param_value(kSentParameter) == kSentBefore;
    reply(response, receiptAnswer(request.matches[1], settings_, store_,
                                  again ? Receipt::kSentBefore : Receipt::kNew, mailer_.get()));
  });
  http_->Post(kReviewPath, [this](const httplib::Request& request, httplib::Response& response) {
    reply(response, review(uploadedLog(request)));
  });
  http_->Post("/upload", [this](const httplib::Request& request, httplib::Response& response) {
    const long wait = uploadLimit_.take(clientAddress(request));
    if (wait > 0) response.set_header("Retry-After", std::to_string(wait));
    const std::string token = formField(request, kTokenField);
    reply(response, wait > 0 ? Answer{kTooManyRequests, tooManyUploadsPage(wait)}
                    : !token.empty()
                        ? sendReviewed(request, token)
                        : receiveLog(uploadedLog(request), settings_, store_, mailer_.get()));
  });
  if (organiser_.enabled()) routeOrganiser();
  mountResults();
  // Answers the library makes itself (no such page, a body over the limit) get our pages too.
  using HandlerResponse = httplib::Server::HandlerResponse;
  http_->set_error_handler(httplib::Server::HandlerWithResponse(
      [this](const httplib::Request& request, httplib::Response& response) {
        if (!response.body.empty()) return HandlerResponse::Unhandled;
        if (request.path.rfind(kOrganiserPath, 0) == 0)
          response.set_header(kCacheControl, kNoStore);
        const int status = response.status;
        reply(response, {status, errorPage(request, status, settings_.sizeLimit)});
        return HandlerResponse::Handled;
      }));
}

// A log too large to take is not kept for its review either; nothing sent,
// or sent while logs are not taken, is answered as its upload would be.
Answer RobotServer::review(const std::string& text) {
  if (text.size() > settings_.sizeLimit) return {kTooLarge, tooLargePage(settings_.sizeLimit)};
  if (nothingSent(text) || uploadWindowAt(settings_, settings_.clock()) != UploadWindow::kOpen) {
    return receiveLog(text, settings_, store_, mailer_.get());
  }
  return {200, reviewPage(text, pending_.put(text), settings_)};
}

Answer RobotServer::sendReviewed(const httplib::Request& request, const std::string& token) {
  const std::optional<std::string> sent = pending_.find(token);
  if (!sent) return {kGone, reviewExpiredPage()};
  std::string corrected;
  try {
    corrected = correctedLog(*sent, headerFromForm([&](const std::string& tag) {
      return formField(request, tag.c_str());
    }));
  } catch (const errors::ToolError&) {
    // A text that cannot be read as it says is taken as sent, and refused for it.
    corrected = *sent;
  }
  return receiveLog(corrected, settings_, store_, mailer_.get(), *sent);
}

// Every organiser route, together.
void RobotServer::routeOrganiser() {
  http_->Get(kOrganiserPath,
             organiserRoute(
                 [this](const httplib::Request& request) {
                   const Credentials credentials = credentialsOf(request);
                   std::optional<Answer> refused = gate_.refusal(credentials);
                   if (refused && credentials.key.empty()) {
                     return Answer{200, keyPage(false)};
                   }
                   return refused ? *refused
                                  : organiser_.submissions(request.get_param_value(kPageField));
                 },
                 kOpenToAll));
  http_->Post(kOrganiserPath, organiserRoute([this](const httplib::Request&) {
                return organiser_.submissions("");
              }));
  http_->Post(kLoginPath, organiserRoute(
                              [this](const httplib::Request& request) {
                                return gate_.login(formField(request, kKeyField),
                                                   clientAddress(request));
                              },
                              kOpenToAll));
  http_->Post(kLogoutPath, organiserRoute(
                               [this](const httplib::Request& request) {
                                 return gate_.logout(sessionOf(request));
                               },
                               kOpenToAll));
  http_->Post(kDownloadPath, organiserRoute([this](const httplib::Request& request) {
                return organiser_.download(formField(request, kReceiptField));
              }));
  http_->Post(kOverridesPath, organiserRoute([this](const httplib::Request& request) {
                return organiser_.saveOverrides(formField(request, kOverridesField));
              }));
  http_->Post(kCrosscheckPath,
              organiserRoute([this](const httplib::Request&) { return organiser_.crosscheck(); }));
  http_->Get(std::string(kPreviewPath) + "(.*)",
             organiserRoute([this](const httplib::Request& request) {
               return organiser_.previewFile(request.matches[1]);
             }));
  http_->Post(kPublishPath, organiserRoute([this](const httplib::Request& request) {
                return organiser_.publish(formField(request, kConfirmField) == "yes");
              }));
}

RobotServer::Handler RobotServer::organiserRoute(OrganiserAnswer answer, bool open) {
  return [this, answer, open](const httplib::Request& request, httplib::Response& response) {
    response.set_header(kCacheControl, kNoStore);
    std::optional<Answer> refused;
    if (keyInAddress(request)) {
      refused = Answer{kBadRequest, keyInAddressPage()};
    } else if (!open) {
      refused = gate_.refusal(credentialsOf(request));
    }
    reply(response, refused ? *refused : answer(request));
  };
}

void RobotServer::limitConnections() {
  const auto threads = static_cast<std::size_t>(settings_.threads);
  http_->new_task_queue = [this, threads] {
    return new HttpWorkers(threads, &connectionsWaiting_);
  };
  http_->set_socket_options([this](socket_t socket) {
    httplib::default_socket_options(socket);
    listenSocket_ = socket;
  });
  http_->set_read_timeout(kReadTimeoutSeconds);
  http_->set_keep_alive_timeout(kKeepAliveSeconds);
  http_->set_keep_alive_max_count(kKeepAliveRequests);
}

// The mount needs the folder now (each run replaces it whole): made for the
// organiser's first run, else published only when a run made it. A folder
// that cannot be made is not published.
void RobotServer::mountResults() {
  const std::string results = store_.layout().resultsDir();
  files::FileSystem& files = files::defaultFileSystem();
  try {
    if (organiser_.enabled()) files.makeFolders(results);
  } catch (const errors::ToolError&) {
  }
  if (files.isFolder(results)) http_->set_mount_point(kResultsPath, results);
}

int RobotServer::bind(const std::string& host, int port) {
  const int bound =
      port == 0 ? http_->bind_to_any_port(host) : (http_->bind_to_port(host, port) ? port : -1);
  if (bound >= 0) widenBacklog(listenSocket_, kListenBacklog);
  return bound;
}

void RobotServer::run() {
  runStarted_ = true;
  if (!stopRequested_) http_->listen_after_bind();
  std::lock_guard<std::mutex> lock(runMutex_);
  runFinished_ = true;
  runEnded_.notify_all();
}

void RobotServer::stop() {
  stopRequested_ = true;
  // A run() that has not started yet sees the request and returns at once.
  if (!runStarted_) return;
  waitForAcceptedConnections();
  stopListening();
}

void RobotServer::waitForAcceptedConnections() const {
  const auto giveUp = std::chrono::steady_clock::now() + kStopGrace;
  while (connectionsWaiting_ > 0 || connectionsNotYetAccepted(listenSocket_) > 0) {
    if (std::chrono::steady_clock::now() >= giveUp) return;
    std::this_thread::sleep_for(kStopPoll);
  }
}

// The library ignores a stop before it listens, so it is asked again until
// run() has ended.
void RobotServer::stopListening() {
  std::unique_lock<std::mutex> lock(runMutex_);
  while (!runFinished_) {
    http_->stop();
    runEnded_.wait_for(lock, kStopPoll);
  }
}

}  // namespace robot
