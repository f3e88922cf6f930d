#include "crosscheck/log_reader_threads.h"

namespace crosscheck {
namespace {

// Reading a file costs several times what taking it in does: two readers,
// one a core, while the file before is taken in.
constexpr std::size_t kReaders = 2;
// Read but not yet taken: enough that neither the readers nor the taker
// wait on the other when one is briefly off its core (4 left a sixth of
// the reading time idle), few enough that only a few dozen logs' importer
// strings are held at once.
constexpr std::size_t kMostAhead = 32;

}  // namespace

LogReaderThreads::LogReaderThreads(const std::vector<std::string>& files, const ReadFile& readFile)
    : files_(files), readFile_(readFile), read_(files.size()) {
  for (std::promise<CheckedLog>& promise : read_) results_.push_back(promise.get_future());
  for (std::size_t t = 0; t < kReaders; ++t) threads_.emplace_back([this] { read(); });
}

LogReaderThreads::~LogReaderThreads() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  room_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

CheckedLog LogReaderThreads::take(std::size_t index) {
  CheckedLog result = results_[index].get();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    taken_ = index + 1;
  }
  room_.notify_all();
  return result;
}

bool LogReaderThreads::claim(std::size_t* index) {
  std::unique_lock<std::mutex> lock(mutex_);
  room_.wait(lock,
             [this] { return stopping_ || next_ >= files_.size() || next_ < taken_ + kMostAhead; });
  if (stopping_ || next_ >= files_.size()) return false;
  *index = next_++;
  return true;
}

void LogReaderThreads::read() {
  std::size_t index = 0;
  while (claim(&index)) {
    try {
      read_[index].set_value(readFile_(files_[index]));
    } catch (...) {
      read_[index].set_exception(std::current_exception());
    }
  }
}

}  // namespace crosscheck
