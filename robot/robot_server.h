#ifndef ZVK_ROBOT_ROBOT_SERVER_H_
#define ZVK_ROBOT_ROBOT_SERVER_H_

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "robot/log_store.h"
#include "robot/organiser_desk.h"
#include "robot/receipt_mailer.h"
#include "robot/robot_settings.h"

namespace httplib {
class Server;
}

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
  void routeOrganiser();
  void mountResults();
  void limitConnections();
  void waitForAcceptedConnections() const;
  void stopListening();

  RobotSettings settings_;
  LogStore store_;
  std::vector<std::string> differences_;
  std::unique_ptr<ReceiptMailer> mailer_;  // null: receipts are not mailed
  OrganiserDesk organiser_;
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
