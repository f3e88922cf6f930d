#include "crosscheck/read_logs.h"

#include <filesystem>
#include <map>

#include "crosscheck/log_check.h"
#include "crosscheck/log_reader_threads.h"
#include "import/log_import.h"

namespace crosscheck {
namespace {

// A log read, normalised, with its own lines' rules.
struct KeptLog {
  NormalLog log;
  OwnLogRules own;
};

// The logs read so far, one per call, and every file each call came in.
class LogCollector {
 public:
  explicit LogCollector(CheckedContest* checked)
      : contest_(&checked->contest), own_(&checked->own) {}

  void add(KeptLog kept) {
    const NormalLog& log = kept.log;
    std::vector<std::string>& files = filesOfCall_[log.header.call];
    files.push_back(log.header.file);
    auto slot = slotOfCall_.find(log.header.call);
    if (slot == slotOfCall_.end()) {
      slotOfCall_.emplace(log.header.call, logs_.size());
      logs_.push_back(std::move(kept));
    } else if (log.header.lineCount > logs_[slot->second].log.header.lineCount) {
      logs_[slot->second] = std::move(kept);
    }
  }

  void finish() {
    std::size_t total = 0;
    for (const KeptLog& kept : logs_) total += kept.log.lines.size();
    contest_->lines.reserve(total);
    own_->result.reserve(total);
    own_->claimedPoints.reserve(total);
    own_->rejection.reserve(total);
    for (KeptLog& kept : logs_) place(kept);
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
  void place(KeptLog& kept) {
    NormalLog& log = kept.log;
    appendOwn(std::move(kept.own));
    const auto owner = static_cast<std::int32_t>(contest_->entrants.size());
    log.header.firstLine = static_cast<std::int32_t>(contest_->lines.size());
    for (Line& line : log.lines) {
      line.owner = owner;
      contest_->lines.push_back(line);
    }
    contest_->entrants.push_back(std::move(log.header));
    std::vector<Line>().swap(log.lines);
  }

  template <typename T>
  static void append(std::vector<T>* to, std::vector<T>&& from) {
    to->insert(to->end(), from.begin(), from.end());
    std::vector<T>().swap(from);
  }

  void appendOwn(OwnLogRules&& own) {
    append(&own_->result, std::move(own.result));
    append(&own_->claimedPoints, std::move(own.claimedPoints));
    append(&own_->rejection, std::move(own.rejection));
    own_->claimedByRules.push_back(own.claimedByRules.front());
  }

  void noteDuplicates() {
    for (auto& [call, files] : filesOfCall_) {
      if (files.size() < 2) continue;
      const std::string& used = contest_->entrants[slotOfCall_[call]].file;
      contest_->duplicateLogs.push_back({call, files, used});
    }
  }

  ContestLogs* contest_;
  OwnLogRules* own_;
  std::vector<KeptLog> logs_;
  std::map<std::string, std::size_t> slotOfCall_;
  std::map<std::string, std::vector<std::string>> filesOfCall_;
};

// A file that cannot be read at all is a problem of the log like any other.
CheckedLog readFile(const std::string& path, const ContestDefinition& definition) {
  std::string text;
  try {
    text = imports::readLogText(path);
  } catch (const errors::ToolError& error) {
    CheckedLog unread;
    unread.problems.push_back(imports::problemOf(error));
    return unread;
  }
  return readLogToCheck(text, path, definition);
}

// The rules' half of the check on this thread, which owns the contest's texts.
void take(CheckedLog checked, const ContestDefinition& definition, Minute from, Minute to,
          ContestLogs* contest, LogCollector* collector) {
  if (!checked.readable) {
    const imports::LogFileError& first = checked.problems.front();
    contest->unreadable.push_back({std::filesystem::path(first.file).filename().string(),
                                   first.file, first.line, first.message()});
    return;
  }
  applyLogRules(definition, from, to, contest->texts, &checked);
  collector->add({std::move(checked.normal), std::move(checked.own)});
}

}  // namespace

CheckedContest readLogs(const std::vector<std::string>& files, const ContestDefinition& definition,
                        Minute from, Minute to, const std::function<void()>& onFileRead) {
  CheckedContest checked;
  LogCollector collector(&checked);
  const LogReaderThreads::ReadFile read = [&](const std::string& path) {
    return readFile(path, definition);
  };
  LogReaderThreads reader(files, read);
  for (std::size_t i = 0; i < files.size(); ++i) {
    take(reader.take(i), definition, from, to, &checked.contest, &collector);
    onFileRead();
  }
  collector.finish();
  return checked;
}

}  // namespace crosscheck
