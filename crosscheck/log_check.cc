#include "crosscheck/log_check.h"

#include "crosscheck/category_check.h"
#include "crosscheck/category_rules.h"
#include "import/log_import.h"
#include "import/qso_tokens.h"
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
  if (!log.qsos.empty() && log.ownCall.empty() && log.qsos.front().myCall.empty()) {
    problems->push_back({log.fileName, 0, "own call",
                         "missing (CALLSIGN: or STATION_CALLSIGN), so the log has no owner"});
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

CheckedLog readLogToCheck(std::string_view text, const std::string& fileName,
                          const ContestDefinition& definition) {
  imports::LogReading reading = imports::readLog(text, fileName, layoutOf(definition));
  CheckedLog checked;
  checked.log = std::move(reading.log);
  checked.problems = std::move(reading.problems);
  // A text with broken lines may hold no QSO for that alone: not a problem of its own.
  if (checked.problems.empty()) {
    if (auto noQso = imports::noQsoProblem(checked.log)) checked.problems.push_back(*noQso);
    checked.readable = checked.problems.empty();
  }
  checkQsos(checked.log, &checked.problems);
  checkCategories(allowedCategories(definition.categories), &checked.log, &checked.problems);
  return checked;
}

void applyLogRules(const ContestDefinition& definition, Minute from, Minute to, TextPool& texts,
                   CheckedLog* checked) {
  checked->normal = normaliseLog(checked->log, texts);
  checked->own = applyOwnLogRules(checked->normal.lines, texts, definition, from, to);
  checked->warnings = warningsOf(checked->log, checked->own, from, to);
}

CheckedLog checkLog(std::string_view text, const std::string& fileName,
                    const ContestDefinition& definition, Minute from, Minute to, TextPool& texts) {
  CheckedLog checked = readLogToCheck(text, fileName, definition);
  if (checked.readable) applyLogRules(definition, from, to, texts, &checked);
  return checked;
}

}  // namespace crosscheck
