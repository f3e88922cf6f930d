#include "robot/every_problem.h"

#include <set>
#include <string>

#include "import/log_import.h"

namespace robot {
namespace {

// A log with more broken lines than this is refused with the first ones only:
// each further line costs another reading of the whole text.
constexpr std::size_t kMostProblems = 50;
constexpr char kUploadName[] = "upload";

// Blanks line `number` (from 1), keeping the line feed so that numbers hold.
bool blankLine(std::string& text, int number) {
  std::size_t start = 0;
  for (int line = 1; line < number; ++line) {
    start = text.find('\n', start);
    if (start == std::string::npos) return false;
    ++start;
  }
  std::size_t end = text.find('\n', start);
  if (end == std::string::npos) end = text.size();
  text.erase(start, end - start);
  return true;
}

// Reads the text, blanking each line the reader stops at; the log of what is left.
std::optional<imports::ImportedLog> readAroundBrokenLines(
    std::string text, const imports::CabrilloLayout& layout,
    std::vector<imports::LogFileError>* problems) {
  std::set<int> blanked;
  while (problems->size() < kMostProblems) {
    try {
      return imports::importLog(text, kUploadName, layout);
    } catch (const imports::InputError& error) {
      const int line = error.where().line;
      // With its broken lines blanked, a log may look empty or like no log: not a new problem.
      if (line == 0 && !blanked.empty()) break;
      problems->push_back(error.where());
      if (line == 0 || !blanked.insert(line).second || !blankLine(text, line)) break;
    }
  }
  return std::nullopt;
}

void checkQsos(const imports::ImportedLog& log, std::vector<imports::LogFileError>* problems) {
  if (log.qsos.empty()) problems->push_back({kUploadName, 0, "the log holds no QSO"});
  for (const imports::Qso& qso : log.qsos) {
    if (qso.call.empty()) problems->push_back({kUploadName, qso.line, "call: missing"});
    if (qso.band.empty()) {
      problems->push_back({kUploadName, qso.line, "band: missing, or the frequency is in no band"});
    }
  }
  if (!log.qsos.empty() && log.ownCall.empty() && log.qsos.front().myCall.empty()) {
    problems->push_back(
        {kUploadName, 0,
         "own call: missing (CALLSIGN: or STATION_CALLSIGN), so the log has no owner"});
  }
}

}  // namespace

ReadAttempt readWithEveryProblem(std::string_view text, const imports::CabrilloLayout& layout) {
  ReadAttempt attempt;
  std::optional<imports::ImportedLog> log =
      readAroundBrokenLines(std::string(text), layout, &attempt.problems);
  if (log) checkQsos(*log, &attempt.problems);
  if (attempt.problems.empty()) attempt.log = std::move(log);
  return attempt;
}

}  // namespace robot
