#ifndef ZVK_CROSSCHECK_LOG_READER_THREADS_H_
#define ZVK_CROSSCHECK_LOG_READER_THREADS_H_

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "crosscheck/log_check.h"

namespace crosscheck {

// Reads log files (the reading half of their check) on a fixed pair of threads, each file once, at
// most a few files ahead of the one taken last, and hands them over in file order. A thread per
// file cost more in starting and ending it than reading a small log does.
class LogReaderThreads {
 public:
  using ReadFile = std::function<CheckedLog(const std::string& path)>;

  LogReaderThreads(const std::vector<std::string>& files, const ReadFile& readFile);
  ~LogReaderThreads();
  LogReaderThreads(const LogReaderThreads&) = delete;
  LogReaderThreads& operator=(const LogReaderThreads&) = delete;

  // The file at `index`, once read; indices are taken in order, each once.
  CheckedLog take(std::size_t index);

 private:
  void read();
  bool claim(std::size_t* index);

  const std::vector<std::string>& files_;
  const ReadFile& readFile_;
  std::vector<std::promise<CheckedLog>> read_;
  std::vector<std::future<CheckedLog>> results_;
  std::mutex mutex_;
  std::condition_variable room_;  // a file was taken, or the reading ends
  std::size_t next_ = 0;          // the next file to read
  std::size_t taken_ = 0;         // files handed over
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_LOG_READER_THREADS_H_
