#include "robot/http_workers.h"

#include <utility>

namespace robot {

HttpWorkers::HttpWorkers(std::size_t threads, std::atomic<int>* waiting)
    : pool_(threads), waiting_(waiting) {}

void HttpWorkers::enqueue(std::function<void()> work) {
  ++*waiting_;
  pool_.enqueue([this, work = std::move(work)] {
    --*waiting_;
    work();
  });
}

void HttpWorkers::shutdown() { pool_.shutdown(); }

}  // namespace robot
