#include "robot/robot_server.h"

#include <httplib.h>

#include <chrono>
#include <thread>

#include "errors/tool_error.h"
#include "files/posix_file_system.h"
#include "robot/answer_pages.h"
#include "robot/front_pages.h"
#include "robot/http_workers.h"
#include "robot/listen_socket.h"
#include "robot/organiser_pages.h"
#include "robot/receive_log.h"
#include "robot/store_check.h"

namespace robot {
namespace {

// Room for the form's own parts around a log of the largest size.
constexpr std::size_t kFormOverhead = 64 * 1024;
constexpr int kTooLarge = 413;
constexpr int kNotFound = 404;
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

std::string organiserKey(const httplib::Request& request) {
  std::string key = request.get_header_value(kKeyHeader);
  return key.empty() ? formField(request, kKeyField) : key;
}

void reply(httplib::Response& response, const Answer& answer) {
  response.status = answer.status;
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
      differences_(findDifferences(store_.layout(), store_.submissions())),
      mailer_(mailerOf(settings_, store_.layout())),
      organiser_(settings_, store_, differences_, mailer_.get()),
      http_(std::make_unique<httplib::Server>()) {
  route();
}

RobotServer::~RobotServer() = default;

void RobotServer::route() {
  limitConnections();
  http_->set_payload_max_length(settings_.sizeLimit + kFormOverhead);
  http_->Get("/", [this](const httplib::Request&, httplib::Response& response) {
    replyPage(response, homePage(settings_));
  });
  http_->Get("/received", [this](const httplib::Request&, httplib::Response& response) {
    replyPage(response, receivedPage(settings_, latestAccepted(store_.submissions())));
  });
  http_->Post("/upload", [this](const httplib::Request& request, httplib::Response& response) {
    reply(response, receiveLog(uploadedLog(request), settings_, store_, mailer_.get()));
  });
  if (organiser_.enabled()) routeOrganiser();
  mountResults();
  // Answers the library makes itself (no such page, a body over the limit) get our pages too.
  using HandlerResponse = httplib::Server::HandlerResponse;
  http_->set_error_handler(httplib::Server::HandlerWithResponse(
      [this](const httplib::Request& request, httplib::Response& response) {
        if (!response.body.empty()) return HandlerResponse::Unhandled;
        const int status = response.status;
        reply(response, {status, errorPage(request, status, settings_.sizeLimit)});
        return HandlerResponse::Handled;
      }));
}

void RobotServer::routeOrganiser() {
  http_->Get(kOrganiserPath, [this](const httplib::Request& request, httplib::Response& response) {
    const std::string key = organiserKey(request);
    reply(response, key.empty() ? Answer{200, keyPage(false)} : organiser_.submissions(key));
  });
  http_->Post(kOrganiserPath, [this](const httplib::Request& request, httplib::Response& response) {
    reply(response, organiser_.submissions(organiserKey(request)));
  });
  http_->Post(kDownloadPath, [this](const httplib::Request& request, httplib::Response& response) {
    reply(response, organiser_.download(organiserKey(request), formField(request, kReceiptField)));
  });
  http_->Post(kCrosscheckPath,
              [this](const httplib::Request& request, httplib::Response& response) {
                reply(response, organiser_.crosscheck(organiserKey(request)));
              });
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
