#ifndef ZVK_CROSSCHECK_CONTEST_LOGS_H_
#define ZVK_CROSSCHECK_CONTEST_LOGS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "crosscheck/results.h"
#include "crosscheck/text_pool.h"

namespace crosscheck {

// One QSO line, its texts interned: what every later stage works on.
struct Line {
  Minute minute = 0;  // as logged
  TextId call = TextPool::kEmpty;
  TextId exchSent = TextPool::kEmpty;
  TextId exchRcvd = TextPool::kEmpty;
  TextId band = TextPool::kEmpty;
  TextId mode = TextPool::kEmpty;
  std::int32_t fileLine = 0;
  std::int32_t owner = 0;         // entrant index
  std::int32_t frequencyKhz = 0;  // 0: the log gives none
};

// An entrant's log without its lines.
struct LogHeader {
  std::string call;
  TextId callId = TextPool::kEmpty;
  std::string file;
  std::vector<std::pair<std::string, std::string>> category;
  std::string categoryLabel;  // imports::categoryLabel
  std::string club;           // CLUB
  std::string soapbox;        // SOAPBOX, a line each
  std::optional<std::int64_t> claimedScore;
  std::int32_t firstLine = 0;  // index of its first line in ContestLogs::lines
  std::int32_t lineCount = 0;
};

// Every readable log of the contest, one per entrant call.
struct ContestLogs {
  TextPool texts;
  std::vector<LogHeader> entrants;
  std::vector<Line> lines;                  // entrant by entrant, each in file order
  std::vector<std::int32_t> entrantOfCall;  // by TextId; -1: the call sent no log
  std::vector<DuplicateLog> duplicateLogs;
  std::vector<UnreadableLog> unreadable;

  std::int32_t entrantOf(TextId call) const {
    return call < entrantOfCall.size() ? entrantOfCall[call] : -1;
  }
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_CONTEST_LOGS_H_
