#ifndef ZVK_ROBOT_HTTP_WORKERS_H_
#define ZVK_ROBOT_HTTP_WORKERS_H_

#include <httplib.h>

#include <atomic>
#include <cstddef>
#include <functional>

namespace robot {

// The server's worker threads, counting the connections accepted but not yet
// taken up by a worker: a stop waits for them, since the server drops a
// connection whose turn comes after its listening socket closed.
class HttpWorkers : public httplib::TaskQueue {
 public:
  HttpWorkers(std::size_t threads, std::atomic<int>* waiting);

  void enqueue(std::function<void()> work) override;
  void shutdown() override;

 private:
  httplib::ThreadPool pool_;
  std::atomic<int>* waiting_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_HTTP_WORKERS_H_
