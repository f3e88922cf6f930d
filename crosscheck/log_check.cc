#include "crosscheck/log_check.h"

#include <algorithm>

#include "countries/call_shape.h"
#include "crosscheck/category_check.h"
#include "crosscheck/category_rules.h"
#include "crosscheck/contest_names.h"
#include "import/log_import.h"
#include "import/qso_tokens.h"
#include "import/text_case.h"
#include "import/utc_time.h"

namespace crosscheck {
namespace {

// The fields of each half of a QSO line, as the importer splits them.
imports::CabrilloLayout layoutOf(const ContestDefinition& definition) {
  imports::CabrilloLayout layout{definition.exchangeFields, {}};
  for (ExchangeKind kind : definition.exchangeList) {
    layout.fields.push_back(kind == ExchangeKind::kRst ? imports::FieldRole::kReport
                                                       : imports::FieldRole::kExchange);
  }
  return layout;
}

// A QSO the cross-check can still weigh but nobody would accept in a log
// sent in: without the worked call (the importer then takes the exchange
// for it) or without a band.
void checkQsos(const imports::ImportedLog& log, imports::LogProblems* problems) {
  for (const imports::Qso& qso : log.qsos) {
    if (qso.call.empty()) {
      problems->push_back({log.fileName, qso.line, "call", "missing"});
    } else if (!imports::looksLikeCall(qso.call)) {
      problems->push_back(
          {log.fileName, qso.line, "call", "missing (\"" + qso.call + "\" is no call sign)"});
    }
    if (qso.band.empty()) {
      problems->push_back(
          {log.fileName, qso.line, "band", "missing, or the frequency is in no band"});
    }
  }
  if (!log.qsos.empty() && ownCallOf(log).empty()) {
    problems->push_back({log.fileName, 0, "own call",
                         "missing (CALLSIGN: or STATION_CALLSIGN), so the log has no owner"});
  }
}

std::string joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : " or ") + name;
  return text;
}

// A log of another contest is no entry of this one: the cross-check would rank it.
void checkContest(const imports::ImportedLog& log, const ContestDefinition& definition,
                  imports::LogProblems* problems) {
  for (const imports::HeaderValue& header : log.otherHeader) {
    const bool named = header.tag == "CONTEST" && !header.value.empty();
    if (!named || namesTheContest(definition.contestNames, header.value)) continue;
    problems->push_back({log.fileName, 0, "CONTEST",
                         "\"" + header.value + "\" is another contest; this one is " +
                             joined(definition.contestNames)});
  }
}

// The own call names the entrant and the robot's file of the log. The
// cross-check still checks a log whose call is none, under a safe name.
void checkOwnCall(const imports::ImportedLog& log, imports::LogProblems* problems) {
  const std::string call = ownCallOf(log);
  if (call.empty()) return;  // checkQsos tells of it
  if (std::optional<std::string> problem = countries::callShapeProblem(call)) {
    problems->push_back({log.fileName, 0, "own call", "\"" + call + "\" " + *problem});
  }
}

std::string describePeriod(Minute from, Minute to) {
  std::string text;
  if (from != imports::kOpenPeriod.from) text += " from " + imports::formatMinute(from);
  if (to != imports::kOpenPeriod.to) text += " to " + imports::formatMinute(to);
  return text;
}

// Why the rules give line `i` less than it claims; empty when they do not.
std::string warningOf(const OwnLogRules& own, std::size_t i, const imports::Qso& qso,
                      const std::string& period) {
  switch (own.result[i]) {
    case Result::kNotContest:
      if (!isOffContest(own.rejection[i])) {
        return qso.band + " " + qso.mode + ": outside the contest's frequencies";
      }
      return qso.band + " " + qso.mode + ": not one of the contest's bands and modes";
    case Result::kOutsidePeriod:
      return "outside the contest period" + period;
    case Result::kDupe:
      return "dupe: " + qso.call + " was worked before on " + qso.band + " " + qso.mode;
    default:
      break;
  }
  if (own.rejection[i] == Rejection::kNoExchange) {
    return "exchange sent or received missing: no points by the contest's rules";
  }
  return std::string();
}

std::vector<LineWarning> warningsOf(const imports::ImportedLog& log, const OwnLogRules& own,
                                    Minute from, Minute to) {
  const std::string period = describePeriod(from, to);
  std::vector<LineWarning> warnings;
  for (std::size_t i = 0; i < log.qsos.size(); ++i) {
    std::string reason = warningOf(own, i, log.qsos[i], period);
    if (!reason.empty()) warnings.push_back({log.qsos[i].line, std::move(reason)});
  }
  return warnings;
}

}  // namespace

std::string ownCallOf(const imports::ImportedLog& log) {
  if (!log.ownCall.empty() || log.qsos.empty()) return imports::toUpper(log.ownCall);
  return imports::toUpper(log.qsos.front().myCall);
}

CheckedLog readLogToCheck(std::string_view text, const std::string& fileName,
                          const ContestDefinition& definition) {
  imports::LogReading reading = imports::readLog(text, fileName, layoutOf(definition));
  CheckedLog checked;
  checked.log = std::move(reading.log);
  checked.problems = std::move(reading.problems);
  // A text with broken lines may hold no QSO for that alone: not a problem of its own.
  if (checked.problems.empty()) {
    if (auto noQso = imports::noQsoProblem(checked.log)) {
      checked.problems.push_back(*noQso);
    } else {
      checkContest(checked.log, definition, &checked.problems);
    }
    checked.readable = checked.problems.empty();
  }
  if (checked.readable) checkOwnCall(checked.log, &checked.problems);
  checkQsos(checked.log, &checked.problems);
  checkCategories(allowedCategories(definition.categories), &checked.log, &checked.problems);
  return checked;
}

void applyLogRules(const ContestDefinition& definition, Minute from, Minute to, TextPool& texts,
                   CheckedLog* checked) {
  checked->normal = normaliseLog(checked->log, texts);
  checked->own = applyOwnLogRules(checked->normal.lines, texts, definition, from, to);
  checked->warnings = warningsOf(checked->log, checked->own, from, to);
  const std::vector<Line>& lines = checked->normal.lines;
  if (std::none_of(lines.begin(), lines.end(),
                   [&](const Line& line) { return line.minute >= from && line.minute <= to; })) {
    checked->problems.push_back({checked->log.fileName, 0, "QSO times",
                                 "none in the contest period" + describePeriod(from, to)});
  }
}

CheckedLog checkLog(std::string_view text, const std::string& fileName,
                    const ContestDefinition& definition, Minute from, Minute to, TextPool& texts) {
  CheckedLog checked = readLogToCheck(text, fileName, definition);
  if (checked.readable) applyLogRules(definition, from, to, texts, &checked);
  return checked;
}

}  // namespace crosscheck
