#ifndef ZVK_ROBOT_ROBOT_SERVER_H_
#define ZVK_ROBOT_ROBOT_SERVER_H_

#include <memory>
#include <string>
#include <vector>

#include "robot/log_store.h"
#include "robot/organiser_desk.h"
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
  // From any thread.
  void stop();

 private:
  void route();
  void routeOrganiser();
  void mountResults();

  RobotSettings settings_;
  LogStore store_;
  std::vector<std::string> differences_;
  OrganiserDesk organiser_;
  std::unique_ptr<httplib::Server> http_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_ROBOT_SERVER_H_
