#include "robot/log_facts.h"

#include <algorithm>
#include <cstring>

#include "crosscheck/normalise.h"
#include "crosscheck/own_log_rules.h"
#include "import/log_import.h"
#include "import/text_case.h"
#include "import/utc_time.h"
#include "log/add_qso.h"
#include "log/ubn_file.h"

namespace robot {
namespace {

using crosscheck::Result;

// Header fields the organisers sort and check the logs by.
constexpr const char* kNeededCategories[] = {"CATEGORY-OPERATOR"};

// The log alone, as the cross-check holds a contest of logs.
crosscheck::ContestLogs contestOfOne(const imports::ImportedLog& log) {
  crosscheck::ContestLogs contest;
  crosscheck::NormalLog normal = crosscheck::normaliseLog(log, contest.texts);
  contest.lines = std::move(normal.lines);
  contest.entrants.push_back(std::move(normal.header));
  return contest;
}

std::string ownCall(const imports::ImportedLog& log) {
  return imports::toUpper(log.ownCall.empty() ? log.qsos.front().myCall : log.ownCall);
}

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

std::string describePeriod(const imports::Period& period) {
  std::string text;
  if (period.from != imports::kOpenPeriod.from)
    text += " from " + imports::formatMinute(period.from);
  if (period.to != imports::kOpenPeriod.to) text += " to " + imports::formatMinute(period.to);
  return text;
}

std::string ruleBroken(Result result, const imports::Qso& qso, const imports::Period& period) {
  switch (result) {
    case Result::kNotContest:
      return qso.band + " " + qso.mode + ": not one of the contest's bands and modes";
    case Result::kOutsidePeriod:
      return "outside the contest period" + describePeriod(period);
    case Result::kDupe:
      return "dupe: " + qso.call + " was worked before on " + qso.band + " " + qso.mode;
    default:
      return std::string();
  }
}

// Whether the plug-in gives a QSO on the contest's bands no points for want of
// an exchange, asked of its own rule.
bool lacksExchange(const imports::Qso& qso, const rules::RuleSet& rules) {
  QsoFields fields;
  fields.band = CString(qso.band);
  fields.mode = CString(qso.mode);
  fields.exchSent = CString(qso.exchSent);
  fields.exchRcvd = CString(qso.exchRcvd);
  const char* reason =
      rejectionReason(fields, CContestRules(rules.bands), CContestRules(rules.modes));
  // Compared as texts: each file holds its own copy of the constant.
  return reason && std::strcmp(reason, ubn_file::kNoExchange) == 0;
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

LogFacts factsOf(const imports::ImportedLog& log, const TextLines& lines,
                 const crosscheck::ContestDefinition& definition) {
  LogFacts facts;
  facts.call = ownCall(log);
  facts.category = imports::categoryLabel(log);
  facts.qsos = static_cast<int>(log.qsos.size());
  facts.bands = countBands(log, definition.rules.bands);
  if (log.claimedScore) facts.claimedScore = *log.claimedScore;
  // The robot holds one log: an end the definition leaves open stays open.
  const imports::Period period =
      imports::periodOf(definition.from, definition.to, imports::kOpenPeriod);
  const crosscheck::OwnLogRules own =
      crosscheck::applyOwnLogRules(contestOfOne(log), definition, period.from, period.to);
  facts.claimedByRules = own.claimedByRules.front();
  warnAboutHeader(log, &facts.warnings);
  for (std::size_t i = 0; i < log.qsos.size(); ++i) {
    std::string broken = ruleBroken(own.result[i], log.qsos[i], period);
    if (broken.empty() && own.claimedPoints[i] == 0 &&
        lacksExchange(log.qsos[i], definition.rules)) {
      broken = "exchange sent or received missing: no points by the contest's rules";
    }
    if (broken.empty()) continue;
    const int line = log.qsos[i].line;
    facts.warnings.push_back({line, std::string(lines.line(line)), std::move(broken)});
  }
  return facts;
}

}  // namespace robot
