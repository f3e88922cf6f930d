#include "crosscheck/read_logs.h"

#include <filesystem>
#include <map>

#include "crosscheck/log_reader_threads.h"
#include "crosscheck/normalise.h"
#include "import/log_import.h"

namespace crosscheck {
namespace {

// The logs read so far, one per call, and every file each call came in.
class LogCollector {
 public:
  explicit LogCollector(ContestLogs* contest) : contest_(contest) {}

  void add(NormalLog log) {
    std::vector<std::string>& files = filesOfCall_[log.header.call];
    files.push_back(log.header.file);
    auto slot = slotOfCall_.find(log.header.call);
    if (slot == slotOfCall_.end()) {
      slotOfCall_.emplace(log.header.call, logs_.size());
      logs_.push_back(std::move(log));
    } else if (log.header.lineCount > logs_[slot->second].header.lineCount) {
      logs_[slot->second] = std::move(log);
    }
  }

  void finish() {
    std::size_t total = 0;
    for (const NormalLog& log : logs_) total += log.lines.size();
    contest_->lines.reserve(total);
    for (NormalLog& log : logs_) place(log);
    noteDuplicates();
    std::vector<TextId> calls;
    for (const LogHeader& entrant : contest_->entrants) {
      calls.push_back(contest_->texts.intern(entrant.call));
    }
    contest_->entrantOfCall.assign(contest_->texts.size(), -1);
    for (std::size_t i = 0; i < calls.size(); ++i) {
      contest_->entrants[i].callId = calls[i];
      contest_->entrantOfCall[calls[i]] = static_cast<std::int32_t>(i);
    }
  }

 private:
  void place(NormalLog& log) {
    const auto owner = static_cast<std::int32_t>(contest_->entrants.size());
    log.header.firstLine = static_cast<std::int32_t>(contest_->lines.size());
    for (Line& line : log.lines) {
      line.owner = owner;
      contest_->lines.push_back(line);
    }
    contest_->entrants.push_back(std::move(log.header));
    std::vector<Line>().swap(log.lines);
  }

  void noteDuplicates() {
    for (auto& [call, files] : filesOfCall_) {
      if (files.size() < 2) continue;
      const std::string& used = contest_->entrants[slotOfCall_[call]].file;
      contest_->duplicateLogs.push_back({call, files, used});
    }
  }

  ContestLogs* contest_;
  std::vector<NormalLog> logs_;
  std::map<std::string, std::size_t> slotOfCall_;
  std::map<std::string, std::vector<std::string>> filesOfCall_;
};

void takeResult(imports::ReadResult result, ContestLogs* contest, LogCollector* collector) {
  if (!result.log) {
    const std::string& path = result.error.file;
    contest->unreadable.push_back({std::filesystem::path(path).filename().string(), path,
                                   result.error.line, result.error.message});
    return;
  }
  collector->add(normaliseLog(*result.log, contest->texts));
}

}  // namespace

ContestLogs readLogs(const std::vector<std::string>& files, const imports::CabrilloLayout& layout,
                     const std::function<void()>& onFileRead) {
  ContestLogs contest;
  LogCollector collector(&contest);
  LogReaderThreads reader(files, layout);
  for (std::size_t i = 0; i < files.size(); ++i) {
    imports::ReadResult result = reader.take(i);
    takeResult(std::move(result), &contest, &collector);
    onFileRead();
  }
  collector.finish();
  return contest;
}

}  // namespace crosscheck
