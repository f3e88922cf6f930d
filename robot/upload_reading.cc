#include "robot/upload_reading.h"

#include <algorithm>

#include "robot/every_problem.h"
#include "robot/log_facts.h"
#include "robot/text_lines.h"

namespace robot {
namespace {

void sortByLine(std::vector<LineNote>* notes) {
  std::stable_sort(notes->begin(), notes->end(),
                   [](const LineNote& a, const LineNote& b) { return a.line < b.line; });
}

}  // namespace

UploadReading readUpload(std::string_view text, const crosscheck::ContestDefinition& definition) {
  const TextLines lines(text);
  ReadAttempt attempt = readWithEveryProblem(text, {definition.exchangeFields});
  UploadReading reading;
  if (attempt.log) {
    reading.facts = factsOf(*attempt.log, lines, definition);
    sortByLine(&reading.facts->warnings);
    return reading;
  }
  for (const imports::LogFileError& problem : attempt.problems) {
    reading.problems.push_back(
        {problem.line, std::string(lines.line(problem.line)), problem.message});
  }
  sortByLine(&reading.problems);
  return reading;
}

}  // namespace robot
