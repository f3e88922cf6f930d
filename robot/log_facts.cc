#include "robot/log_facts.h"

#include <algorithm>

#include "crosscheck/normalise.h"
#include "import/log_import.h"
#include "import/text_case.h"
#include "pages/station_details.h"

namespace robot {
namespace {

// Header fields the organisers sort and check the logs by.
constexpr const char* kNeededCategories[] = {"CATEGORY-OPERATOR"};

std::vector<BandCount> countBands(const imports::ImportedLog& log,
                                  const std::vector<std::string>& contestBands) {
  std::vector<BandCount> bands;
  for (const std::string& band : contestBands) bands.push_back({band, 0});
  for (const imports::Qso& qso : log.qsos) {
    auto same = [&](const BandCount& count) { return imports::toLower(count.band) == qso.band; };
    auto found = std::find_if(bands.begin(), bands.end(), same);
    if (found == bands.end()) found = bands.insert(bands.end(), {qso.band, 0});
    ++found->qsos;
  }
  bands.erase(std::remove_if(bands.begin(), bands.end(),
                             [](const BandCount& count) { return count.qsos == 0; }),
              bands.end());
  return bands;
}

void warnAboutHeader(const imports::ImportedLog& log, std::vector<LineNote>* warnings) {
  if (log.ownCall.empty()) warnings->push_back({0, "", "CALLSIGN: missing from the header"});
  for (const char* tag : kNeededCategories) {
    auto given = [&](const imports::HeaderValue& value) { return value.tag == tag; };
    if (std::none_of(log.categories.begin(), log.categories.end(), given)) {
      warnings->push_back({0, "", std::string(tag) + ": missing from the header"});
    }
  }
}

}  // namespace

LogFacts factsOf(const crosscheck::CheckedLog& checked, const TextLines& lines,
                 const crosscheck::ContestDefinition& definition) {
  const imports::ImportedLog& log = checked.log;
  LogFacts facts;
  facts.call = crosscheck::ownCallOf(log);
  facts.category = imports::categoryLabel(log);
  facts.qsos = static_cast<int>(log.qsos.size());
  facts.bands = countBands(log, definition.rules.bands);
  if (log.claimedScore) facts.claimedScore = *log.claimedScore;
  facts.claimedByRules = checked.own.claimedByRules.front();
  facts.claimedQsoPoints = facts.claimedByRules;
  facts.email = pages::headerValue(log.otherHeader, "EMAIL");
  warnAboutHeader(log, &facts.warnings);
  for (const crosscheck::LineWarning& warning : checked.warnings) {
    facts.warnings.push_back({warning.line, std::string(lines.line(warning.line)), warning.reason});
  }
  return facts;
}

}  // namespace robot
