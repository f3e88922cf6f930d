#include "robot/upload_reading.h"

#include <algorithm>

#include "crosscheck/claimed_score.h"
#include "crosscheck/log_check.h"
#include "import/log_import.h"
#include "import/utc_time.h"
#include "robot/log_plausibility.h"
#include "robot/text_lines.h"

namespace robot {
namespace {

constexpr char kUploadName[] = "upload";

void sortByLine(std::vector<LineNote>* notes) {
  std::stable_sort(notes->begin(), notes->end(),
                   [](const LineNote& a, const LineNote& b) { return a.line < b.line; });
}

}  // namespace

UploadReading readUpload(std::string_view text, const crosscheck::ContestDefinition& definition,
                         const crosscheck::StationFiles& stations) {
  const TextLines lines(text);
  // An end the definition leaves open holds every QSO.
  const imports::Period period = crosscheck::contestPeriod(definition, imports::kOpenPeriod);
  crosscheck::TextPool texts;
  const crosscheck::CheckedLog checked =
      crosscheck::checkLog(text, kUploadName, definition, period.from, period.to, texts);
  UploadReading reading;
  reading.call = crosscheck::ownCallOf(checked.log);
  if (checked.problems.empty()) {
    reading.facts = factsOf(checked, lines, definition);
    if (crosscheck::scoresBeyondThePlugin(definition)) {
      const crosscheck::ClaimedScore claimed =
          crosscheck::claimedByDefinition(checked, std::move(texts), definition, stations);
      reading.facts->claimedByRules = claimed.score;
      reading.facts->claimedQsoPoints = claimed.qsoPoints;
      if (!definition.multipliers.empty()) reading.facts->claimedMultipliers = claimed.multipliers;
    }
    warnAboutPlausibility(checked.log, imports::detectLogFormat(text), &*reading.facts);
    sortByLine(&reading.facts->warnings);
    return reading;
  }
  for (const imports::LogFileError& problem : checked.problems) {
    reading.problems.push_back(
        {problem.line, std::string(lines.line(problem.line)), problem.message()});
  }
  sortByLine(&reading.problems);
  return reading;
}

UploadReading readUpload(std::string_view text, const RobotSettings& settings) {
  return readUpload(
      text, settings.definition,
      settings.stationFiles ? settings.stationFiles->view() : crosscheck::StationFiles{});
}

}  // namespace robot
