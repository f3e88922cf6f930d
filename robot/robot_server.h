#ifndef ZVK_ROBOT_ROBOT_SERVER_H_
#define ZVK_ROBOT_ROBOT_SERVER_H_

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "robot/answer.h"
#include "robot/log_store.h"
#include "robot/organiser_desk.h"
#include "robot/organiser_gate.h"
#include "robot/pending_logs.h"
#include "robot/receipt_mailer.h"
#include "robot/robot_settings.h"
#include "robot/upload_limit.h"

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace robot {

// The log robot over HTTP: the pages, the uploads, the organiser's pages and
// the results published, answered by a pool of threads.
class RobotServer {
 public:
  // Opens the store and checks that it agrees with itself. Throws errors::ToolError (kIo).
  explicit RobotServer(RobotSettings settings);
  ~RobotServer();

  // What the start-up check found; empty when the store agrees with itself.
  const std::vector<std::string>& differences() const { return differences_; }
  // Binds to `host`:`port` (0: a free port); the port, or -1 when it cannot.
  int bind(const std::string& host, int port);
  // Answers requests until stop(), then finishes those in flight.
  void run();
  // From any thread, also before run() has begun listening: stops accepting
  // once every connection already made has a worker (within a grace time),
  // then returns when run() has answered the requests in flight.
  void stop();

 private:
  void route();
  Answer review(const std::string& text);
  Answer sendReviewed(const httplib::Request& request, const std::string& token);
  void routeOrganiser();
  using OrganiserAnswer = std::function<Answer(const httplib::Request&)>;
  using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;
  // The handler of an organiser route: a key in the address is refused, no
  // answer is kept by a browser or a proxy, and unless `open` only a request
  // the gate lets through is answered.
  Handler organiserRoute(OrganiserAnswer answer, bool open = false);
  void mountResults();
  void limitConnections();
  void waitForAcceptedConnections() const;
  void stopListening();

  RobotSettings settings_;
  LogStore store_;
  std::vector<std::string> differences_;
  std::unique_ptr<ReceiptMailer> mailer_;  // null: receipts are not mailed
  OrganiserDesk organiser_;
  OrganiserGate gate_;
  UploadLimit uploadLimit_;
  PendingLogs pending_;
  std::unique_ptr<httplib::Server> http_;
  std::atomic<int> listenSocket_{-1};
  std::atomic<int> connectionsWaiting_{0};
  std::atomic<bool> runStarted_{false};
  std::atomic<bool> stopRequested_{false};
  std::mutex runMutex_;
  std::condition_variable runEnded_;
  bool runFinished_ = false;
};

}  // namespace robot

#endif  // ZVK_ROBOT_ROBOT_SERVER_H_
