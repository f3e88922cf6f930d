#ifndef ZVK_CROSSCHECK_OVERRIDES_H_
#define ZVK_CROSSCHECK_OVERRIDES_H_

#include <string>
#include <unordered_map>
#include <vector>

#include "crosscheck/contest_logs.h"
#include "crosscheck/judge_lines.h"

namespace crosscheck {

// A judgement the organisers make by hand: `CALL LINE RESULT reason...`.
struct Override {
  std::string call;
  std::int32_t line = 0;  // the QSO's line in the entrant's file
  Result result = Result::kOk;
  std::string reason;
  std::int32_t fileLine = 0;  // where the overrides file says so
};

struct Overrides {
  std::string file;
  std::vector<Override> entries;
};

// Reads the overrides `text`, named `file` in errors; blank lines and lines
// starting with '#' are skipped. Throws errors::ToolError (kBadDefinition,
// "file:line: reason") for a line that is not CALL LINE RESULT REASON or
// names no known result.
Overrides parseOverrides(const std::string& text, const std::string& file);
// The same of the file `path`.
Overrides readOverrides(const std::string& path);

// By line (index into ContestLogs::lines): the reason of its override.
using OverrideReasons = std::unordered_map<std::uint32_t, TextId>;

// Sets each overridden line's result, last; throws errors::ToolError when an
// entry names a call that sent no log or a line that holds no QSO.
OverrideReasons applyOverrides(const Overrides& overrides, ContestLogs& contest,
                               Judgements* judgements);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_OVERRIDES_H_
