#include "crosscheck/overrides.h"

#include <sstream>

#include "errors/tool_error.h"
#include "files/posix_file_system.h"
#include "import/text_case.h"

namespace crosscheck {
namespace {

[[noreturn]] void fail(const std::string& file, std::int32_t line, const std::string& reason) {
  throw errors::ToolError(errors::ErrorKind::kBadDefinition, {file, line, ""}, reason);
}

bool isSkipped(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t\r");
  return first == std::string::npos || text[first] == '#';
}

std::int32_t readLineNumber(const std::string& text, const std::string& file, std::int32_t at) {
  if (text.empty() || text.size() > 9 ||
      text.find_first_not_of("0123456789") != std::string::npos || std::stoi(text) == 0) {
    fail(file, at, "LINE: \"" + text + "\" is not a line number");
  }
  return std::stoi(text);
}

Override parseOverride(const std::string& text, const std::string& file, std::int32_t at) {
  std::istringstream fields(text);
  std::string call, line, result, reason;
  fields >> call >> line >> result;
  std::getline(fields >> std::ws, reason);
  while (!reason.empty() && (reason.back() == '\r' || reason.back() == ' ')) reason.pop_back();
  if (result.empty()) fail(file, at, "expected CALL LINE RESULT reason...");
  Override entry;
  entry.call = imports::toUpper(call);
  entry.line = readLineNumber(line, file, at);
  std::optional<Result> named = resultFromName(result);
  if (!named) fail(file, at, "RESULT: \"" + result + "\" is no result (ok, not-in-log, ...)");
  entry.result = *named;
  if (reason.empty()) fail(file, at, "reason: missing; say why, for the entrant's report");
  entry.reason = reason;
  entry.fileLine = at;
  return entry;
}

std::int64_t lineOfQso(const ContestLogs& contest, std::int32_t entrant, std::int32_t fileLine) {
  const LogHeader& log = contest.entrants[entrant];
  for (std::int32_t k = 0; k < log.lineCount; ++k) {
    if (contest.lines[log.firstLine + k].fileLine == fileLine) return log.firstLine + k;
  }
  return -1;
}

}  // namespace

Overrides parseOverrides(const std::string& text, const std::string& file) {
  std::istringstream in(text);
  Overrides overrides;
  overrides.file = file;
  std::string line;
  for (std::int32_t at = 1; std::getline(in, line); ++at) {
    if (!isSkipped(line)) overrides.entries.push_back(parseOverride(line, file, at));
  }
  return overrides;
}

Overrides readOverrides(const std::string& path) {
  std::string text;
  try {
    text = files::defaultFileSystem().readWhole(path);
  } catch (const errors::ToolError&) {
    fail(path, 0, "cannot read the overrides file");
  }
  return parseOverrides(text, path);
}

OverrideReasons applyOverrides(const Overrides& overrides, ContestLogs& contest,
                               Judgements* judgements) {
  OverrideReasons reasons;
  for (const Override& entry : overrides.entries) {
    TextId call;
    std::int32_t entrant = contest.texts.find(entry.call, &call) ? contest.entrantOf(call) : -1;
    if (entrant < 0) fail(overrides.file, entry.fileLine, "CALL: " + entry.call + " sent no log");
    std::int64_t line = lineOfQso(contest, entrant, entry.line);
    if (line < 0) {
      fail(overrides.file, entry.fileLine,
           "LINE: " + contest.entrants[entrant].file + " holds no QSO on line " +
               std::to_string(entry.line));
    }
    judgements->result[line] = entry.result;
    if (entry.result != Result::kBustedCall) judgements->correctCall[line] = TextPool::kEmpty;
    if (entry.result != Result::kBustedExchange) judgements->correctExch[line] = TextPool::kEmpty;
    reasons[static_cast<std::uint32_t>(line)] = contest.texts.intern(entry.reason);
  }
  return reasons;
}

}  // namespace crosscheck
